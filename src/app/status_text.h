// The status panel's text and the enable rules of the main window, free of Qt.
#pragma once

#include "model/search_status.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace corvane {

/// Elapsed time as hh:mm:ss.mmm (hours at least two digits, more when needed).
std::string elapsedTimeText(std::uint64_t elapsedMs);

/// The status panel's text: one label line and one value line for the step count and the
/// elapsed time ("--:--:--.---" while startTime is 0), the number of stored solutions unless
/// Idle, "一時停止中！" when Paused, then "相違マス数" and the number of varying cells when
/// given (the window gives it while two or more solutions are stored); every line ends with
/// a line feed. Then `verdictLines`, the background check's "判定" and its verdict, each
/// ended by a line feed; last, under the every-cell rule (`fillRule`), the lines "ルール" and
/// "全マスを埋める".
std::string statusText(const SearchStatus& status, std::size_t solutionCount,
                       std::optional<std::size_t> varyingCells = std::nullopt,
                       bool fillRule = false, const std::string& verdictLines = {});

/// Which of the main window's controls accept input in one search state.
struct ControlEnables {
    bool boardView = false;
    bool newBoard = false;
    bool load = false;
    bool save = false;
    bool start = false;
    bool resume = false;
    bool pause = false;
    bool stopStep = false;
};

/// The enable table: everything but the pause button is locked while Running, the pause
/// button is usable only then, and resuming only when Paused.
ControlEnables controlEnables(SearchState state);

} // namespace corvane
