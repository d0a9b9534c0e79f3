#include "vstgui/win_drag_container.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <cwchar>

#include "vstgui/com_reference.h"
#include "vstgui/wide_text.h"

namespace VSTGUI {

namespace {

constexpr UINT kPathLength = 2048;
// No user interface, any match, at most 500 ms.
constexpr DWORD kResolveFlags = DWORD{SLR_NO_UI} | DWORD{SLR_ANY_MATCH} | (500u << 16);

// The data of one clipboard format, released (by its release object or by freeing it)
// when it goes.
class DraggedData {
 public:
  DraggedData(IDataObject* data, CLIPFORMAT format) {
    FORMATETC request{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    available_ = data && SUCCEEDED(data->GetData(&request, &medium_));
  }
  ~DraggedData() {
    if (available_) ReleaseStgMedium(&medium_);
  }
  DraggedData(const DraggedData&) = delete;
  DraggedData& operator=(const DraggedData&) = delete;

  bool available() const { return available_; }
  HGLOBAL global() const { return available_ && medium_.tymed == TYMED_HGLOBAL ? medium_.hGlobal : nullptr; }

 private:
  STGMEDIUM medium_{};
  bool available_ = false;
};

bool IsShortcut(const std::wstring& path) {
  const std::size_t dot = path.rfind(L'.');
  return dot != std::wstring::npos && _wcsicmp(path.c_str() + dot, L".lnk") == 0;
}

}  // namespace

std::wstring ResolvedShortcut(const std::wstring& path) {
  ComReference<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.receive()))) {
    return path;
  }
  ComReference<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.receive()))) return path;
  if (FAILED(file->Load(path.c_str(), STGM_READ)) || FAILED(link->Resolve(nullptr, kResolveFlags))) return path;
  wchar_t target[kPathLength] = L"";
  if (FAILED(link->GetPath(target, kPathLength, nullptr, SLGP_SHORTPATH)) || !*target) return path;
  return target;
}

WinDragContainer::WinDragContainer(IDataObject* data) : data_(data) {
  if (DraggedData(data_, CF_UNICODETEXT).available()) {
    count_ = 1;
    return;
  }
  const DraggedData files(data_, CF_HDROP);
  if (HGLOBAL const drop = files.global()) {
    count_ = static_cast<std::int32_t>(DragQueryFileW(static_cast<HDROP>(drop), 0xFFFFFFFF, nullptr, 0));
  }
}

const void* WinDragContainer::first(std::int32_t& size, std::int32_t& kind) {
  nextIndex_ = 0;
  return next(size, kind);
}

const void* WinDragContainer::next(std::int32_t& size, std::int32_t& kind) {
  item_.clear();
  size = 0;
  kind = kUnknown;
  const DraggedData text(data_, CF_UNICODETEXT);
  if (text.available()) return nextText(text.global(), size, kind);
  const DraggedData files(data_, CF_HDROP);
  return files.global() ? nextFile(files.global(), size, kind) : nullptr;
}

// Text is one item only.
const void* WinDragContainer::nextText(HGLOBAL text, std::int32_t& size, std::int32_t& kind) {
  if (nextIndex_++ != 0 || !text) return nullptr;
  const auto* const wide = static_cast<const wchar_t*>(GlobalLock(text));
  if (!wide) return nullptr;
  // Bounded by the memory handed over, terminated or not.
  const std::size_t length = wcsnlen(wide, GlobalSize(text) / sizeof(wchar_t));
  item_ = Utf8FromWide(std::wstring(wide, length).c_str());
  GlobalUnlock(text);
  size = static_cast<std::int32_t>(item_.size());
  kind = kText;
  return item_.c_str();
}

const void* WinDragContainer::nextFile(HGLOBAL files, std::int32_t& size, std::int32_t& kind) {
  wchar_t path[kPathLength] = L"";
  if (DragQueryFileW(static_cast<HDROP>(files), static_cast<UINT>(nextIndex_++), path, kPathLength) == 0) {
    return nullptr;
  }
  const std::wstring dropped = path;
  item_ = Utf8FromWide((IsShortcut(dropped) ? ResolvedShortcut(dropped) : dropped).c_str());
  size = static_cast<std::int32_t>(item_.size());
  kind = kFile;
  return item_.c_str();
}

std::int32_t WinDragContainer::getType(std::int32_t /*index*/) const {
  if (!data_) return kError;
  return DraggedData(data_, CF_UNICODETEXT).available() ? kUnicodeText : kFile;
}

std::int32_t WinDragContainer::getCount() const { return count_; }

}  // namespace VSTGUI
