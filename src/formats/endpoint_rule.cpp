// The endpoint rule: the clues of a puzzle are the two ends of each path of its answer.
#include "formats/parsed_puzzle.h"

namespace corvane {

std::vector<int> endpointClues(const ParsedPuzzle& answer) {
    std::vector<int> clues(answer.cells.size(), 0);
    for (int y = 1; y <= answer.height; ++y)
        for (int x = 1; x <= answer.width; ++x) {
            const int v = answer.at(x, y);
            if (v == 0) continue;
            int equal = 0;
            if (x > 1 && answer.at(x - 1, y) == v) ++equal;
            if (x < answer.width && answer.at(x + 1, y) == v) ++equal;
            if (y > 1 && answer.at(x, y - 1) == v) ++equal;
            if (y < answer.height && answer.at(x, y + 1) == v) ++equal;
            if (equal <= 1) clues[std::size_t(y - 1) * answer.width + (x - 1)] = v;
        }
    return clues;
}

} // namespace corvane
