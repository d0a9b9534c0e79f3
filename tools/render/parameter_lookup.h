#pragma once

#include <string>

#include "tools/vst_host/hosted_plugin.h"

// The index of the plug-in's parameter with this name (compared without regard to
// case or surrounding blanks), or with this index. Throws std::runtime_error naming
// the parameters there are.
VstInt32 FindParameter(const HostedPlugin& plugin, const std::string& parameter);
