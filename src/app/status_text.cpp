// The status panel's text and the enable rules of the main window.
#include "app/status_text.h"

#include <cstdio>

namespace corvane {

std::string elapsedTimeText(std::uint64_t elapsedMs) {
    char text[64];
    std::snprintf(text, sizeof text, "%02llu:%02llu:%02llu.%03llu",
                  static_cast<unsigned long long>(elapsedMs / 3600000),
                  static_cast<unsigned long long>(elapsedMs / 60000 % 60),
                  static_cast<unsigned long long>(elapsedMs / 1000 % 60),
                  static_cast<unsigned long long>(elapsedMs % 1000));
    return text;
}

std::string statusText(const SearchStatus& status, std::size_t solutionCount,
                       std::optional<std::size_t> varyingCells, bool fillRule,
                       const std::string& verdictLines) {
    std::string text = "ステップ数\n" + std::to_string(status.stepCount) + "\n";
    text += "経過時間\n";
    text += status.startTime == 0 ? std::string("--:--:--.---") : elapsedTimeText(status.elapsedMs);
    text += "\n";
    if (status.searchState != SearchState::Idle)
        text += "解の個数\n" + std::to_string(solutionCount) + "\n";
    if (status.searchState == SearchState::Paused) text += "一時停止中！\n";
    if (varyingCells) text += "相違マス数\n" + std::to_string(*varyingCells) + "\n";
    text += verdictLines;
    if (fillRule) text += "ルール\n全マスを埋める\n";
    return text;
}

ControlEnables controlEnables(SearchState state) {
    const bool running = state == SearchState::Running;
    ControlEnables e;
    e.boardView = e.newBoard = e.load = e.save = e.start = e.stopStep = !running;
    e.pause = running;
    e.resume = state == SearchState::Paused;
    return e;
}

} // namespace corvane
