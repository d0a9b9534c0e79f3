#pragma once

#include <ostream>

#include "tools/vst_host/hosted_plugin.h"

// What --info shows: the plug-in's identity as its record and dispatcher give it,
// and its parameter list with each value as a host would send it and as the plug-in
// displays it.
void PrintPluginInfo(std::ostream& out, const std::string& path, const HostedPlugin& plugin);

// The same as one JSON object, for scripts.
void PrintPluginInfoJson(std::ostream& out, const std::string& path, const HostedPlugin& plugin);

// A unique ID as its number, followed by its four characters in quotes when they are
// printable.
std::string UniqueIdText(VstInt32 id);
