#pragma once

#include <memory>

class TZepkin;

// Constructs the translated script this plug-in runs. The plug-in entry is the only
// caller; it never needs to know the script's class.
std::unique_ptr<TZepkin> CreateScript();
