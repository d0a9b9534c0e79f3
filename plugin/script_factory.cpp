#include "plugin/script_factory.h"

#include "effect/zepkin_effect.h"

CreatedScript CreateScript() { return {std::make_unique<TZepkinEffect>(), ProcessEntriesFor<TZepkinEffect>()}; }
