// What the checker checks besides files: puzz.link URLs, as arguments and in URL lists.
#pragma once

#include "cli/check_report.h"
#include "cli/check_runner.h"

#include <cstdio>
#include <string>

namespace corvane {

struct CheckOptions;

/// Appends the URLs of every list of options.urlLists to options.files, in list order: one
/// per line, blank lines and lines starting with "#" skipped; the list "-" is read from `in`.
/// Returns false with `error` when a list cannot be read.
bool readUrlLists(CheckOptions& options, std::FILE* in, std::string& error);

/// Loads and searches one source: a URL is read as puzz.link URL (or packed pzprv3
/// text), anything else as a file in options.format. Adds the texts options.emitUrl and
/// options.emitPzprv3 ask for (the pzprv3 text holds the first solution found, or the puzzle
/// alone when there is none), what the read took otherwise than written and, when the read
/// failed, its reason. The search runs on `threads` threads; `loaded` (when set) sees the board
/// once it has been read.
CheckResult checkSource(const std::string& source, const CheckOptions& options,
                        const AnswerPrinter& printer, unsigned threads = 1,
                        const BoardObserver& loaded = {});

} // namespace corvane
