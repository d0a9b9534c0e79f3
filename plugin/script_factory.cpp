#include "plugin/script_factory.h"

#include "analyser/zepkin_spectrum.h"
#include "effect/zepkin_effect.h"

namespace {

template <class Script>
CreatedScript Created() {
  return {std::make_unique<Script>(), ProcessEntriesFor<Script>()};
}

}  // namespace

CreatedScript CreateFaderScript() { return Created<TZepkinEffect>(); }

CreatedScript CreateAnalyserScript() { return Created<TZepkinSpectrum>(); }
