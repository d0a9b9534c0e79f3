#pragma once

#include <ostream>

#include "tools/vst_host/hosted_plugin.h"

// What --info shows: the plug-in's identity as its record and dispatcher give it,
// and its parameter list with each value as a host would send it and as the plug-in
// displays it.
void PrintPluginInfo(std::ostream& out, const std::string& path, const HostedPlugin& plugin);
