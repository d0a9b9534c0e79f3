#include "editor/aeff_gui_editor.h"

#include <windows.h>
#include <ole2.h>

#include <algorithm>

#include "host/audio_effect_x.h"
#include "vstgui/draw_context.h"
#include "vstgui/frame.h"

namespace {

// One knob mode for every editor of the process; nothing but the editors reads it.
VstInt32 sharedKnobMode = 0;

constexpr DWORD kIdleWorkPeriod = 100;
constexpr DWORD kIdleWorkPause = 4;
constexpr DWORD kIdleWorkSlack = 50;

bool OleReady(HRESULT result) { return result == S_OK || result == S_FALSE; }

VSTGUI::KeyCode ToolkitKey(const VstKeyCode& keyCode) {
  return {keyCode.character, keyCode.virt, keyCode.modifier};
}

}  // namespace

AEffGUIEditor::AEffGUIEditor(AudioEffect* owner)
    : AEffEditor(owner), lastIdleTicks(GetTickCount()), oleInitialized_(OleReady(OleInitialize(nullptr))) {
  if (owner) owner->setEditor(this);
}

// OLE is undone only where it was done: on a thread of the multithreaded apartment it
// was refused, and undoing it would tear down the host's COM state.
AEffGUIEditor::~AEffGUIEditor() {
  if (oleInitialized_) OleUninitialize();
}

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
  DWORD now = GetTickCount();
  if (now < lastIdleTicks) {
    Sleep(kIdleWorkPause);
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
