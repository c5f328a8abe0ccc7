// Engines built from short board pictures, and snapshots of the state the trail restores.
#pragma once

#include "board_picture.h"
#include "engine/engine_picture.h"
#include "engine/engine_state.h"

#include <memory>
#include <string>
#include <vector>

namespace corvane::testing {

/// A fresh engine set up from a clue picture (rows of "." and numbers), in board orientation.
inline std::unique_ptr<Engine> engineFromPicture(const std::vector<std::string>& rows) {
    Board board;
    setBoardPicture(board, rows);
    int pairs = 0;
    for (int y = 1; y <= board.boardHeight; ++y)
        for (int x = 1; x <= board.boardWidth; ++x)
            pairs = std::max(pairs, board.boardCells[cellIndex(x, y)]);
    auto engine = std::make_unique<Engine>();
    initEngine(*engine, board.boardCells, board.boardWidth, board.boardHeight, pairs);
    return engine;
}

/// Cell index of column x, row y.
constexpr int at(int x, int y) {
    return cellIndex(x, y);
}

/// The parts of the state that the trail must restore exactly.
struct Snapshot {
    std::array<int, CellCount> cellOwner;
    std::array<int, CellCount> cellLinks;
    std::array<int, EndSlots> endHead;
    std::array<int, PairSlots> pairJoined;
    bool operator==(const Snapshot&) const = default;
};

inline std::unique_ptr<Snapshot> snapshotOf(const Engine& engine) {
    auto s = std::make_unique<Snapshot>();
    s->cellOwner = engine.cellOwner;
    s->cellLinks = engine.cellLinks;
    s->endHead = engine.endHead;
    s->pairJoined = engine.pairJoined;
    return s;
}

/// Links c in direction d as the search would, without running any rule.
inline void linkOnly(Engine& engine, int c, int d) {
    setLink(engine, c, d);
}

} // namespace corvane::testing
