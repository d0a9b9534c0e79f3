#include "effect/zepkin_effect.h"
#include "plugin/script_factory.h"

CreatedScript CreateFaderScript() { return CreatedScriptOf<TZepkinEffect>(); }
