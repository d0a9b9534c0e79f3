#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "host/vst2_interface.h"

// The VST 2.4 preset files that hosts exchange: a program file (.fxp) or a bank file
// (.fxb), each holding either parameter values or the plug-in's opaque state chunk.
// Every number in them is big-endian; a file starts with "CcnK" and the byte size of
// what follows that size field.

enum class PresetKind {
  kParameterProgram,  // "FxCk": one program's name and parameter values
  kChunkProgram,      // "FPCh": one program's name and its state chunk
  kParameterBank,     // "FxBk": a parameter program for each program of the plug-in
  kChunkBank,         // "FBCh": the state chunk of the whole bank
};

bool IsBank(PresetKind kind);
bool HoldsChunk(PresetKind kind);

struct PresetProgram {
  std::string name;  // at most 27 bytes: the file keeps 28 with a terminating zero
  std::vector<float> parameters;
};

struct PresetFile {
  PresetKind kind = PresetKind::kParameterProgram;
  VstInt32 formatVersion = 1;  // 1 for programs; banks of version 2 name their current program
  VstInt32 pluginId = 0;       // the plug-in's unique ID
  VstInt32 pluginVersion = 0;  // the plug-in's own version number
  // The header's count: the parameters of a program, the programs of a bank.
  VstInt32 count = 0;
  VstInt32 currentProgram = 0;          // banks only
  std::vector<PresetProgram> programs;  // a program file's one program (its name only when it holds a chunk),
                                        // or a parameter bank's programs
  std::vector<unsigned char> chunk;     // the kinds that hold a chunk
};

// What is wrong with the bytes of a preset file, as a phrase that follows the file's
// name: "is truncated: ...", "has a chunk size of ...".
class PresetFormatError final : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a whole preset file from its bytes and checks that it is consistent in itself:
// magic, byte size, kind, version, counts and sizes against what the file holds, and
// parameter values from 0 to 1. Throws PresetFormatError.
PresetFile DecodePresetFile(const std::vector<unsigned char>& bytes);

// The bytes of the file, with the byte sizes and counts taken from what it holds.
std::vector<unsigned char> EncodePresetFile(const PresetFile& preset);
