#pragma once

#include <cstdint>

namespace VSTGUI {

// What the toolkit may ask of the editor that owns a frame.
class VSTGUIEditorInterface {
 public:
  virtual void doIdleStuff() {}
  virtual std::int32_t getKnobMode() const { return 0; }
  virtual void beginEdit(std::int32_t /*index*/) {}
  virtual void endEdit(std::int32_t /*index*/) {}
  virtual ~VSTGUIEditorInterface() = default;
};

}  // namespace VSTGUI
