// The checker's program logic, callable with any arguments and output streams.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace corvane {

/// Runs corvane-check on the arguments after the program name, writing results to `out` and
/// usage errors to `err`; returns the exit status.
int runCheck(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace corvane
