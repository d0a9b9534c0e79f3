#pragma once

#include <memory>

#include "host/script_process_entries.h"
#include "runtime/zepkin.h"

// The translated script this plug-in runs, with the process entries compiled for its
// class. The plug-in entry is the only caller; it never needs to know the class.
struct CreatedScript {
  std::unique_ptr<TZepkin> script;
  ProcessEntries process;
};

CreatedScript CreateScript();
