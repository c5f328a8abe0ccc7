// Speed of the SVG writer on the largest boards: a 100 x 100 answer and a board full of clues.
#include "formats/svg_picture.h"
#include "model/board.h"

#include <benchmark/benchmark.h>

namespace {

using namespace corvane;

/// A 100 x 100 board whose answer is 99 staircases along the diagonals (two cells a row),
/// each path with its two clues at its ends: every cell but a corner on a path, turns at
/// every step.
struct StaircaseBoard {
    Board board;
    Answer answer{MaxBoardSide, MaxBoardSide};

    StaircaseBoard() {
        board.boardWidth = board.boardHeight = MaxBoardSide;
        board.boardCells.fill(OutsideCell);
        for (int y = 1; y <= MaxBoardSide; ++y)
            for (int x = 1; x <= MaxBoardSide; ++x) {
                // x - y runs from -99 to 99; two diagonals make one staircase, the lone corner
                // cell (1, 100) stays off the paths.
                const int strip = (x - y + 100) / 2; // 0 (the corner) .. 99
                answer.set(cellIndex(x, y), strip);
            }
        for (int y = 1; y <= MaxBoardSide; ++y)
            for (int x = 1; x <= MaxBoardSide; ++x) {
                const int c = cellIndex(x, y);
                int links = 0;
                for (int step : {1, -1, RowStride, -RowStride})
                    links += board.onBoard(c + step) && answer.at(c + step) == answer.at(c);
                board.boardCells[c] = links == 1 ? answer.at(c) : 0;
            }
    }
};

void svgOfAnswer(benchmark::State& state) {
    const StaircaseBoard b;
    PictureOptions options;
    options.colourPerPair = true;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string svg = svgPicture(b.board, &b.answer, options);
        bytes = svg.size();
        benchmark::DoNotOptimize(svg.data());
    }
    state.counters["bytes"] = double(bytes);
}

void svgOfFullBoard(benchmark::State& state) {
    Board board;
    board.boardWidth = board.boardHeight = MaxBoardSide;
    for (int y = 1; y <= MaxBoardSide; ++y)
        for (int x = 1; x <= MaxBoardSide; ++x)
            board.boardCells[cellIndex(x, y)] = (x + y) % 99 + 1;
    for (auto _ : state) {
        const std::string svg = svgPicture(board, nullptr, {});
        benchmark::DoNotOptimize(svg.data());
    }
}

BENCHMARK(svgOfAnswer)->Name("svg_answer_100x100")->Unit(benchmark::kMillisecond);
BENCHMARK(svgOfFullBoard)->Name("svg_clues_100x100")->Unit(benchmark::kMillisecond);

} // namespace
