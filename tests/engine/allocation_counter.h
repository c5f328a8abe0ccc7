// Counts calls of the global operator new in the test program that links allocation_counter.cpp.
#pragma once

namespace corvane::testing {

/// Number of global operator new calls since the program started.
long allocationsSoFar();

} // namespace corvane::testing
