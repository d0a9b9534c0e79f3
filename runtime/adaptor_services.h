#pragma once

#include <cstdint>

class CDorn;

// Services of the plug-in object that translated scripts call through their
// `adaptor` pointer. Each answers 0 for a null plug-in object. The editor and drawing
// services are in graphics_services.h.

std::int32_t DornGetNumInputs(CDorn* plugin);
std::int32_t DornGetNumOutputs(CDorn* plugin);
std::int32_t DornSetNumInputs(CDorn* plugin, std::int32_t count);
std::int32_t DornSetNumOutputs(CDorn* plugin, std::int32_t count);
std::int32_t DornSetUniqueID(CDorn* plugin, std::int32_t id);
std::int32_t DornSetProgramsAreChunks(CDorn* plugin, bool state);
double DornGetSampleRate(CDorn* plugin);
std::int32_t DornGetBlockSize(CDorn* plugin);

// Host transport and musical time; 0 when the host gives no time information.
double DornGetTempo(CDorn* plugin);
std::int32_t DornIsPlaying(CDorn* plugin);
std::int32_t DornIsRecording(CDorn* plugin);
double DornGetPpqPosition(CDorn* plugin);
double DornGetBarStartPosition(CDorn* plugin);
// Stores tempo, numerator and denominator into whichever outputs are given; 1, or 0
// (outputs untouched) without time information.
std::int32_t DornGetTimeSignature(CDorn* plugin, double* tempo, double* numerator, double* denominator);

std::int32_t DornUpdateDisplay(CDorn* plugin);
// Sets the slider at `parameter` (its place in the slider list) to `value` in its own
// units as the user would: the host learns of the change, for its automation and its
// controls. 1, or 0 for a parameter the plug-in does not have.
std::int32_t DornAutomateSlider(CDorn* plugin, std::int32_t parameter, double value);
std::int32_t DornSetInitialDelay(CDorn* plugin, std::int32_t samples);

std::int32_t DornSendMidi(CDorn* plugin, std::int32_t deltaFrames, std::int32_t data0, std::int32_t data1,
                          std::int32_t data2);
std::int32_t DornSendSysEx(CDorn* plugin, std::int32_t deltaFrames, char* dump, std::int32_t dumpBytes);
// Takes the oldest unread MIDI event of the ring: 1, or 0 with all outputs 0 when
// none is waiting.
std::int32_t DornReceiveMidi(CDorn* plugin, std::int32_t* deltaFrames, std::int32_t* data0, std::int32_t* data1,
                             std::int32_t* data2);
