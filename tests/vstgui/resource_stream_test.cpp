#include <gtest/gtest.h>

#include <cstring>

#include "vstgui/resource_stream.h"

namespace {

using VSTGUI::ResourceStream;

constexpr BYTE kBytes[20] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};

class Stream : public ::testing::Test {
 protected:
  Stream() : stream(new ResourceStream()) { stream->setData(kBytes, sizeof(kBytes)); }
  ~Stream() override { stream->Release(); }

  HRESULT seek(LONGLONG offset, DWORD origin) {
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    return stream->Seek(distance, origin, nullptr);
  }

  ResourceStream* stream;
};

TEST_F(Stream, ReadsWithinTheResourceAndRefusesReadsPastItsEnd) {
  BYTE buffer[10] = {};
  ULONG read = 99;
  EXPECT_EQ(stream->Read(buffer, 10, &read), S_OK);
  EXPECT_EQ(read, 10u);
  EXPECT_EQ(buffer[9], 9);
  ASSERT_EQ(seek(15, STREAM_SEEK_SET), S_OK);
  read = 99;
  EXPECT_EQ(stream->Read(buffer, 10, &read), S_FALSE);  // 15 + 10 > 20
  EXPECT_EQ(read, 99u);
  EXPECT_EQ(stream->position(), 15u);
  // A count that would wrap around 32 bits is refused the same way.
  EXPECT_EQ(stream->Read(buffer, 0xFFFFFFFFu - 10, &read), S_FALSE);
  EXPECT_EQ(stream->position(), 15u);
  EXPECT_EQ(stream->Read(buffer, 5, nullptr), S_OK);
  EXPECT_EQ(stream->position(), 20u);
}

TEST_F(Stream, SeeksStayInsideTheResource) {
  const struct {
    LONGLONG offset;
    DWORD origin;
    HRESULT expected;
    ULONG position;
  } cases[] = {
      {0, STREAM_SEEK_SET, S_OK, 0},      {19, STREAM_SEEK_SET, S_OK, 19},    {20, STREAM_SEEK_SET, S_FALSE, 19},
      {-1, STREAM_SEEK_SET, S_FALSE, 19}, {-9, STREAM_SEEK_CUR, S_OK, 10},    {10, STREAM_SEEK_CUR, S_FALSE, 10},
      {-11, STREAM_SEEK_CUR, S_FALSE, 10}, {0, STREAM_SEEK_END, S_FALSE, 10}, {0, 3, STG_E_INVALIDFUNCTION, 10},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(seek(c.offset, c.origin), c.expected) << c.offset << " from " << c.origin;
    EXPECT_EQ(stream->position(), c.position);
  }
  ULARGE_INTEGER position{};
  LARGE_INTEGER seven;
  seven.QuadPart = 7;
  EXPECT_EQ(stream->Seek(seven, STREAM_SEEK_SET, &position), S_OK);
  EXPECT_EQ(position.QuadPart, 7u);
  EXPECT_EQ(stream->Revert(), S_OK);
  EXPECT_EQ(stream->position(), 0u);
}

TEST_F(Stream, StatisticsGiveTheSizeOnly) {
  STATSTG statistics;
  std::memset(&statistics, 0xAB, sizeof(statistics));
  EXPECT_EQ(stream->Stat(&statistics, STATFLAG_NONAME), S_OK);
  EXPECT_EQ(statistics.cbSize.QuadPart, 20u);
  EXPECT_EQ(statistics.type, 0u);
  EXPECT_EQ(statistics.pwcsName, nullptr);
}

TEST_F(Stream, AnswersAsAStreamAndOnlyAsOne) {
  for (REFIID iid : {IID_IUnknown, IID_IStream, IID_ISequentialStream}) {
    void* object = nullptr;
    EXPECT_EQ(stream->QueryInterface(iid, &object), S_OK);
    EXPECT_EQ(object, static_cast<IStream*>(stream));
    stream->Release();
  }
  void* object = stream;
  EXPECT_EQ(stream->QueryInterface(IID_IDropTarget, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(stream->AddRef(), 2u);
  EXPECT_EQ(stream->Release(), 1u);
}

TEST_F(Stream, WritesAndEverythingElseAreNotImplemented) {
  ULARGE_INTEGER any{};
  IStream* clone = stream;
  EXPECT_EQ(stream->Write(kBytes, 1, nullptr), E_NOTIMPL);
  EXPECT_EQ(stream->SetSize(any), E_NOTIMPL);
  EXPECT_EQ(stream->CopyTo(nullptr, any, nullptr, nullptr), E_NOTIMPL);
  EXPECT_EQ(stream->Commit(0), E_NOTIMPL);
  EXPECT_EQ(stream->LockRegion(any, any, 0), E_NOTIMPL);
  EXPECT_EQ(stream->UnlockRegion(any, any, 0), E_NOTIMPL);
  EXPECT_EQ(stream->Clone(&clone), E_NOTIMPL);
}

}  // namespace
