#pragma once

#include <memory>

#include "host/script_process_entries.h"
#include "runtime/zepkin.h"

// A translated script with the process entries compiled for its class, for the entry
// points of the modules, which never need to know the class.
struct CreatedScript {
  std::unique_ptr<TZepkin> script;
  ProcessEntries process;
};

template <class Script>
CreatedScript CreatedScriptOf() {
  return {std::make_unique<Script>(), ProcessEntriesFor<Script>()};
}

// Each in a file of its own, so that a module holds only the script it makes.
// The fader, the product's script.
CreatedScript CreateFaderScript();
// The spectrum analyser.
CreatedScript CreateAnalyserScript();
