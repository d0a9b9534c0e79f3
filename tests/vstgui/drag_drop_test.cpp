#include <gtest/gtest.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/host_window.h"
#include "vstgui/drop_target.h"
#include "vstgui/frame.h"
#include "vstgui/wide_text.h"
#include "vstgui/win_drag_container.h"

namespace {

using namespace VSTGUI;

// What a drag source offers: text, files, or both, each handed out anew per request,
// as OLE's own data objects do.
class OfferedData final : public IDataObject {
 public:
  OfferedData(std::wstring text, std::vector<std::wstring> files) : text_(std::move(text)), files_(std::move(files)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
      *object = this;
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (!(format->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
    HGLOBAL data = nullptr;
    if (format->cfFormat == CF_UNICODETEXT && !text_.empty()) data = Text();
    if (format->cfFormat == CF_HDROP && !files_.empty()) data = Files();
    if (!data) return DV_E_FORMATETC;
    *medium = {};
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = data;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

 private:
  HGLOBAL Text() const {
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text_.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(data), text_.c_str(), (text_.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(data);
    return data;
  }
  // A DROPFILES header, then each path with its zero, then one more zero.
  HGLOBAL Files() const {
    std::wstring list;
    for (const std::wstring& file : files_) list += file + L'\0';
    list += L'\0';
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(data));
    *header = {};
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(header + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(data);
    return data;
  }

  std::wstring text_;
  std::vector<std::wstring> files_;
};

struct Item {
  std::string bytes;
  std::int32_t kind;
};

std::vector<Item> ItemsOf(IDataObject* data) {
  auto* drag = new WinDragContainer(data);
  std::vector<Item> items;
  std::int32_t size = 0, kind = 0;
  for (const void* item = drag->first(size, kind); item; item = drag->next(size, kind)) {
    items.push_back({std::string(static_cast<const char*>(item), std::size_t(size)), kind});
  }
  drag->forget();
  return items;
}

TEST(DragContainer, TextIsOneItemInUtf8EvenWithFilesBesideIt) {
  OfferedData textOnly(L"gr\u00FC\u00DF", {});
  OfferedData both(L"words", {L"C:\\a.wav", L"C:\\b.wav"});
  const std::vector<Item> text = ItemsOf(&textOnly);
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].bytes, "gr\xC3\xBC\xC3\x9F");
  EXPECT_EQ(text[0].kind, CDragContainer::kText);
  const std::vector<Item> mixed = ItemsOf(&both);
  ASSERT_EQ(mixed.size(), 1u);
  EXPECT_EQ(mixed[0].bytes, "words");
  auto* drag = new WinDragContainer(&both);
  EXPECT_EQ(drag->getCount(), 1);
  EXPECT_EQ(drag->getType(0), CDragContainer::kUnicodeText);
  drag->forget();
}

TEST(DragContainer, FilesComeOneByOneInTheirOrderThenNothing) {
  OfferedData files(L"", {L"C:\\one.wav", L"C:\\t\u00E9two.wav", L"D:\\three"});
  auto* drag = new WinDragContainer(&files);
  EXPECT_EQ(drag->getCount(), 3);
  EXPECT_EQ(drag->getType(0), CDragContainer::kFile);
  drag->forget();
  const std::vector<Item> items = ItemsOf(&files);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].bytes, "C:\\one.wav");
  EXPECT_EQ(items[1].bytes, "C:\\t\xC3\xA9two.wav");
  EXPECT_EQ(items[2].bytes, "D:\\three");
  for (const Item& item : items) EXPECT_EQ(item.kind, CDragContainer::kFile);
}

TEST(DragContainer, WithoutADataObjectThereIsNothing) {
  auto* drag = new WinDragContainer(nullptr);
  std::int32_t size = -1, kind = 0;
  EXPECT_EQ(drag->first(size, kind), nullptr);
  EXPECT_EQ(size, 0);
  EXPECT_EQ(drag->getType(0), CDragContainer::kError);
  EXPECT_EQ(drag->getCount(), 0);
  drag->forget();
}

std::wstring TempFolder() {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  return folder;
}

std::wstring LongPath(const std::wstring& path) {
  wchar_t full[2048];
  const DWORD length = GetLongPathNameW(path.c_str(), full, 2048);
  return length ? full : path;
}

TEST(DragContainer, AShortcutWithItsExtensionInCapitalsGivesItsTarget) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  const std::wstring target = TempFolder() + L"qvtarget.wav";
  const std::wstring shortcut = TempFolder() + L"qvlink.LNK";
  CloseHandle(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  IShellLinkW* link = nullptr;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                         reinterpret_cast<void**>(&link))));
  link->SetPath(target.c_str());
  IPersistFile* file = nullptr;
  link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  ASSERT_TRUE(SUCCEEDED(file->Save(shortcut.c_str(), TRUE)));
  file->Release();
  link->Release();

  OfferedData dragged(L"", {shortcut, TempFolder() + L"qvbroken.lnk"});
  const std::vector<Item> items = ItemsOf(&dragged);
  ASSERT_EQ(items.size(), 2u);
  const std::wstring resolved = WideFromUtf8(items[0].bytes.c_str());
  EXPECT_EQ(_wcsicmp(LongPath(resolved).c_str(), LongPath(target).c_str()), 0);
  EXPECT_EQ(items[1].bytes, Utf8FromWide((TempFolder() + L"qvbroken.lnk").c_str())) << "unresolved: its own path";
  DeleteFileW(shortcut.c_str());
  DeleteFileW(target.c_str());
  CoUninitialize();
}

// A view that records the drags that reach it.
class DropProbe final : public CView {
 public:
  explicit DropProbe(const ViewRect& size) : CView(size) {}
  void onDragEnter(CDragContainer* drag, const ViewPoint& where) override { log.push_back("enter"), seen(drag, where); }
  void onDragMove(CDragContainer* drag, const ViewPoint& where) override { log.push_back("move"), seen(drag, where); }
  void onDragLeave(CDragContainer*, const ViewPoint&) override { log.push_back("leave"); }
  bool onDrop(CDragContainer* drag, const ViewPoint& where) override {
    log.push_back("drop");
    seen(drag, where);
    return accepts;
  }
  bool accepts = true;
  std::vector<std::string> log;
  std::int32_t items = -1;
  ViewPoint point;

 private:
  void seen(CDragContainer* drag, const ViewPoint& where) {
    items = drag->getCount();
    point = where;
  }
};

class DropOnFrame : public ::testing::Test {
 protected:
  DropOnFrame()
      : frame(new CFrame({0, 0, 200, 100}, host.handle(), nullptr)),
        left(new DropProbe({0, 0, 100, 100})),
        right(new DropProbe({100, 0, 200, 100})),
        target(new CDropTarget(frame)) {
    frame->addView(left);
    frame->addView(right);
    target->AddRef();
    GetWindowRect(frame->getWindow(), &placed);
  }
  ~DropOnFrame() override {
    target->Release();
    frame->forget();
  }
  // OLE reports the pointer; the frame reads it itself.
  void pointAt(int x, int y) { SetCursorPos(placed.left + x, placed.top + y); }
  DWORD enter(IDataObject* data, DWORD offered) {
    DWORD effect = offered;
    target->DragEnter(data, 0, {0, 0}, &effect);
    return effect;
  }

  HostWindow host{50, 50, 300, 200};
  CFrame* frame;
  DropProbe* left;
  DropProbe* right;
  CDropTarget* target;
  RECT placed{};
  OfferedData files{L"", {L"C:\\a.wav", L"C:\\b.wav"}};
};

TEST_F(DropOnFrame, TheOfferedEffectIsNarrowedToOne) {
  const struct {
    DWORD offered, expected;
  } cases[] = {{DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_MOVE},
               {DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_COPY},
               {DROPEFFECT_LINK, DROPEFFECT_LINK},
               {DROPEFFECT_NONE, DROPEFFECT_NONE}};
  pointAt(20, 20);
  for (const auto& c : cases) {
    EXPECT_EQ(enter(&files, c.offered), c.expected) << c.offered;
    DWORD effect = c.offered;
    target->DragOver(0, {0, 0}, &effect);
    EXPECT_EQ(effect, c.expected);
    target->DragLeave();
  }
  EXPECT_EQ(enter(nullptr, DROPEFFECT_COPY), DROPEFFECT_NONE) << "no data, no drop";
}

TEST_F(DropOnFrame, TheDragGoesToTheViewUnderThePointerAndDropsThere) {
  pointAt(30, 40);
  enter(&files, DROPEFFECT_COPY);
  pointAt(150, 40);
  DWORD effect = DROPEFFECT_COPY;
  target->DragOver(0, {0, 0}, &effect);
  target->DragOver(0, {0, 0}, &effect);
  EXPECT_EQ(target->Drop(&files, 0, {0, 0}, &effect), S_OK);
  EXPECT_EQ(left->log, (std::vector<std::string>{"enter", "leave"}));
  EXPECT_EQ(right->log, (std::vector<std::string>{"enter", "move", "drop", "leave"}));
  EXPECT_EQ(right->items, 2);
  EXPECT_EQ(right->point, (ViewPoint{150, 40}));
  EXPECT_EQ(frame->getCurrentDragView(), nullptr);
}

// A source told MOVE deletes what it dragged: only a drop that a view took may say so.
TEST_F(DropOnFrame, TheSourceLearnsTheEffectOnlyOfADropThatAViewAccepted) {
  pointAt(30, 40);
  for (const bool accepts : {true, false}) {
    left->accepts = accepts;
    enter(&files, DROPEFFECT_COPY | DROPEFFECT_MOVE);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target->Drop(&files, 0, {0, 0}, &effect), S_OK);
    EXPECT_EQ(effect, accepts ? DWORD{DROPEFFECT_COPY} : DWORD{DROPEFFECT_NONE}) << accepts;
  }
}

// Every frame's drop target keeps its own drag: another editor that closes meanwhile
// takes nothing of it.
TEST_F(DropOnFrame, AnotherFrameThatGoesDuringADragLeavesTheDragAlone) {
  HostWindow otherHost{400, 50, 200, 100};
  auto* other = new CFrame({0, 0, 100, 100}, otherHost.handle(), nullptr);
  auto* otherTarget = new CDropTarget(other);
  otherTarget->AddRef();
  DWORD effect = DROPEFFECT_COPY;
  otherTarget->DragEnter(&files, 0, {0, 0}, &effect);
  pointAt(150, 40);
  enter(&files, DROPEFFECT_COPY);
  otherTarget->forgetFrame();  // the other editor closes
  otherTarget->Release();
  other->forget();
  effect = DROPEFFECT_COPY;
  target->DragOver(0, {0, 0}, &effect);
  EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
  EXPECT_EQ(target->Drop(&files, 0, {0, 0}, &effect), S_OK);
  EXPECT_EQ(right->log, (std::vector<std::string>{"enter", "move", "drop", "leave"}));
  EXPECT_EQ(right->items, 2);
  EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
}

TEST_F(DropOnFrame, ADragThatLeavesEndsAtTheViewItWasOver) {
  pointAt(30, 40);
  enter(&files, DROPEFFECT_COPY);
  target->DragLeave();
  EXPECT_EQ(left->log, (std::vector<std::string>{"enter", "leave"}));
  DWORD effect = DROPEFFECT_COPY;
  target->DragOver(0, {0, 0}, &effect);
  EXPECT_EQ(effect, DROPEFFECT_NONE) << "no drag under way";
}

TEST_F(DropOnFrame, TheFrameWindowIsRegisteredWhileTheFrameLives) {
  const HWND window = frame->getWindow();
  EXPECT_EQ(RegisterDragDrop(window, target), DRAGDROP_E_ALREADYREGISTERED);
  frame->enableDropTarget(false);
  EXPECT_EQ(RevokeDragDrop(window), DRAGDROP_E_NOTREGISTERED);
}

TEST(DropTarget, AnswersAsADropTargetOnly) {
  auto* target = new CDropTarget(nullptr);
  EXPECT_EQ(target->AddRef(), 1u);
  void* object = nullptr;
  EXPECT_EQ(target->QueryInterface(IID_IDropTarget, &object), S_OK);
  EXPECT_EQ(object, static_cast<IDropTarget*>(target));
  EXPECT_EQ(target->QueryInterface(IID_IStream, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(target->Release(), 1u);
  EXPECT_EQ(target->Release(), 0u);
}

}  // namespace
