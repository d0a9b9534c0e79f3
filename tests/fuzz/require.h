#pragma once

#include <cstdio>
#include <cstdlib>

// Ends the run when an invariant does not hold; libFuzzer then keeps the input that
// broke it, as it does for a crash or a sanitizer report.
inline void Require(bool holds, const char* invariant) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", invariant);
  std::abort();
}
