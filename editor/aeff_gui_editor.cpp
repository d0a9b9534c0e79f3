#include "editor/aeff_gui_editor.h"

#include <windows.h>

#include <algorithm>

#include "host/audio_effect_x.h"
#include "platform/pacing_clock.h"
#include "vstgui/draw_context.h"

namespace {

// One knob mode for every editor of the process; nothing but the editors reads it.
VstInt32 sharedKnobMode = 0;

constexpr std::uint32_t kIdleWorkPeriod = 100;
constexpr std::uint32_t kIdleWorkPause = 4;
constexpr std::uint32_t kIdleWorkSlack = 50;

VSTGUI::KeyCode ToolkitKey(const VstKeyCode& keyCode) {
  return {keyCode.character, keyCode.virt, keyCode.modifier};
}

}  // namespace

AEffGUIEditor::AEffGUIEditor(AudioEffect* owner) : AEffEditor(owner), lastIdleTicks(PacingMilliseconds()) {}

bool AEffGUIEditor::getRect(ERect** rectangle) {
  *rectangle = &rect;
  return true;
}

void AEffGUIEditor::idle() {
  if (!idleWorkRunning && frame) frame->idle();
}

bool AEffGUIEditor::onKeyDown(VstKeyCode& keyCode) {
  VSTGUI::KeyCode key = ToolkitKey(keyCode);
  return frame && frame->keyDown(key) > 0;
}

bool AEffGUIEditor::onKeyUp(VstKeyCode& keyCode) {
  VSTGUI::KeyCode key = ToolkitKey(keyCode);
  return frame && frame->keyUp(key) > 0;
}

bool AEffGUIEditor::onWheel(float distance) {
  if (!frame) return false;
  VSTGUI::CDrawContext* const context = frame->makeDrawContext();
  VSTGUI::ViewPoint where;
  context->mouseLocation(where);
  const bool handled = frame->mouseWheel(where, distance, frame->mouseButtons());
  context->forget();
  return handled;
}

bool AEffGUIEditor::setKnobMode(VstInt32 value) {
  sharedKnobMode = value;
  return true;
}

void AEffGUIEditor::setParameter(VstInt32 /*index*/, float /*value*/) {}

void AEffGUIEditor::draw(ERect* area) {
  if (!frame) return;
  VSTGUI::ViewRect update = frame->getViewSize();
  if (area) {
    update = {double(std::min(area->left, area->right)), double(std::min(area->top, area->bottom)),
              double(std::max(area->left, area->right)), double(std::max(area->top, area->bottom))};
  }
  VSTGUI::CDrawContext* const context = frame->makeDrawContext();
  frame->drawRect(context, update);
  context->forget();
}

void AEffGUIEditor::doIdleStuff() {
  std::uint32_t now = PacingMilliseconds();
  if (now < lastIdleTicks) {
    PacingPause(kIdleWorkPause);
    now += kIdleWorkPause;
    if (now < lastIdleTicks - kIdleWorkSlack) return;
  }
  idle();
  MSG message;
  if (PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&message);
  lastIdleTicks = now + kIdleWorkPeriod;
  idleWorkRunning = true;
  if (effect) effect->masterIdle();
  idleWorkRunning = false;
}

std::int32_t AEffGUIEditor::getKnobMode() const { return sharedKnobMode; }

void AEffGUIEditor::beginEdit(std::int32_t index) {
  if (auto* const plugin = dynamic_cast<AudioEffectX*>(effect)) plugin->beginEdit(index);
}

void AEffGUIEditor::endEdit(std::int32_t index) {
  if (auto* const plugin = dynamic_cast<AudioEffectX*>(effect)) plugin->endEdit(index);
}
