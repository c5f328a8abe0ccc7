// The endpoint rule: the clues of a puzzle are the two ends of each path of its answer.
#include "formats/answer_paths.h"
#include "formats/parsed_puzzle.h"

namespace corvane {

std::vector<int> endpointClues(const ParsedPuzzle& answer) {
    const PathGrid grid(answer.width, answer.height, answer.cells);
    std::vector<int> clues(grid.size(), 0);
    for (int cell = 0; cell < static_cast<int>(grid.size()); ++cell)
        if (grid.value(cell) != 0 && grid.equalNeighbours(cell) <= 1)
            clues[std::size_t(cell)] = grid.value(cell);
    return clues;
}

} // namespace corvane
