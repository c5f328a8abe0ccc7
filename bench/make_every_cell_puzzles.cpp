// Writes the benchmark's every-cell puzzles: random path covers of the sizes published puzzles
// come in, each saved with the answer it was made from ("ｎ社形式", whose clues are the ends
// of the answer's paths). The files in bench/every-cell were made by running it with that
// folder as its argument.
#include "model/board.h"
#include "formats/puzzle_writer.h"
#include "path_cover.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    struct Size {
        int width, height, pairs;
    };
    // Pair counts as in published puzzles: long paths, about one pair per 20 to 40 cells.
    const Size sizes[] = {{8, 8, 4},    {10, 10, 6},  {15, 15, 9},
                          {20, 20, 14}, {25, 25, 18}, {36, 20, 22}};
    std::mt19937 random(2026);
    for (const Size& size : sizes)
        for (char copy : {'a', 'b'}) {
            std::optional<corvane::Answer> cover;
            while (!(cover = corvane::testing::randomPathCover(size.width, size.height, random,
                                                               size.pairs))) {
            }
            corvane::Board board = corvane::testing::coverPuzzle(*cover);
            board.solutions.push_back(*cover);
            const auto text = corvane::formatPuzzleText(board, 1, 1);
            const std::string name = std::string(argv[1]) + "/" + std::to_string(size.width) + "x" +
                                     std::to_string(size.height) + copy + ".nsha.txt";
            std::ofstream out(name, std::ios::binary);
            if (!text || !(out << *text)) {
                std::fprintf(stderr, "cannot write %s\n", name.c_str());
                return 1;
            }
        }
    return 0;
}
