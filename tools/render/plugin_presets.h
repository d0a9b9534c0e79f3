#pragma once

#include <string>

#include "tools/render/preset_file.h"
#include "tools/vst_host/hosted_plugin.h"

// Preset files between the disk and a plug-in instance.

// Reads a preset file and checks it in itself (see DecodePresetFile). Throws
// std::runtime_error naming the file and what is wrong with it.
PresetFile ReadPresetFile(const std::string& path);

// Checks, from the plug-in's effect record alone, that the preset is one for it: its
// unique ID (unless forced), a chunk only for a plug-in that keeps one, and no more
// parameters or programs than the plug-in has. Throws std::runtime_error naming the
// file and the plug-in.
void CheckPresetFits(const PresetFile& preset, const std::string& path, const HostedPlugin& plugin,
                     const std::string& pluginName, bool force);

// Loads a preset that CheckPresetFits accepted: a program's chunk through effSetChunk
// as a program, a bank's as a bank; parameter values through setParameter, each
// program of a bank selected in turn; program names through effSetProgramName.
void LoadPreset(const PresetFile& preset, const HostedPlugin& plugin);

// Saves the plug-in's settings: as a bank when the path ends in .fxb, else as a
// program; as its chunk when it keeps one, else as parameter values. The file is
// written beside its place and moved there once complete.
void SavePresetFile(const std::string& path, const HostedPlugin& plugin);
