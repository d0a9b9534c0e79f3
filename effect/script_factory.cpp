#include "runtime/script_factory.h"

#include "effect/zepkin_effect.h"

std::unique_ptr<TZepkin> CreateScript() { return std::make_unique<TZepkinEffect>(); }
