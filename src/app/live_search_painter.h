// The live picture of a running or paused search: replayed trail, conflicts and engine links.
#pragma once

class QPainter;

namespace corvane {

struct Board;
struct SearchSession;

/// Draws the search's state in board orientation over the frame: the trail replayed as
/// choice marks and blank cells, the cells of the last contradiction crossed in red, then
/// the clues and every engine link as a black (same path) or green (other or no path) half
/// line. Indexes read from the engine are checked, so a stale or partial state draws less
/// but never reads outside its arrays.
void paintLiveSearch(QPainter& painter, const Board& board, const SearchSession& search);

} // namespace corvane
