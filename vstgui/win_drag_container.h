#pragma once

#include <windows.h>
#include <ole2.h>

#include <string>

#include "vstgui/drag_container.h"

namespace VSTGUI {

// The items of an OLE drag: one text when text is offered (even with files beside
// it), else each dropped file, shortcuts resolved to their targets. Items are UTF-8.
class WinDragContainer final : public CDragContainer {
 public:
  // The data object is not reference-counted: it lives as long as the drag.
  explicit WinDragContainer(IDataObject* data);

  const void* first(std::int32_t& size, std::int32_t& kind) override;
  const void* next(std::int32_t& size, std::int32_t& kind) override;
  std::int32_t getType(std::int32_t index) const override;
  std::int32_t getCount() const override;

 private:
  const void* nextText(HGLOBAL text, std::int32_t& size, std::int32_t& kind);
  const void* nextFile(HGLOBAL files, std::int32_t& size, std::int32_t& kind);

  IDataObject* data_;
  std::int32_t count_ = 0;
  std::int32_t nextIndex_ = 0;
  std::string item_;
};

// The target of a shell shortcut, or the shortcut's own path when it cannot be resolved.
std::wstring ResolvedShortcut(const std::wstring& path);

}  // namespace VSTGUI
