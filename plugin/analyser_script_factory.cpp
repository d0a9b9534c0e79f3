#include "analyser/zepkin_spectrum.h"
#include "plugin/script_factory.h"

CreatedScript CreateAnalyserScript() { return CreatedScriptOf<TZepkinSpectrum>(); }
