// Stack use of the recursive rules on 100 x 100 boards with long cascades.
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <cstdlib>
#include <cstring>
#include <functional>

namespace corvane {
namespace {

using testing::at;

constexpr unsigned char StackPaint = 0xA5;

/// Runs `work` on a thread whose stack of `size` bytes is painted first; returns the number
/// of bytes the thread touched (its stack high-water mark).
std::size_t stackBytesUsed(std::size_t size, const std::function<void()>& work) {
    void* memory = nullptr;
    if (posix_memalign(&memory, 65536, size) != 0) return size;
    std::memset(memory, StackPaint, size);
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstack(&attr, memory, size);
    pthread_t thread;
    auto body = [](void* arg) -> void* {
        (*static_cast<const std::function<void()>*>(arg))();
        return nullptr;
    };
    const bool started =
        pthread_create(&thread, &attr, body, const_cast<std::function<void()>*>(&work)) == 0;
    if (started) pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
    const auto* bytes = static_cast<const unsigned char*>(memory);
    std::size_t untouched = 0;
    while (untouched < size && bytes[untouched] == StackPaint) ++untouched;
    std::free(memory);
    return started ? size - untouched : size;
}

/// An empty 100 x 100 engine with the given clues.
std::unique_ptr<Engine> largeEngine(const std::vector<std::pair<int, int>>& clues, int pairs) {
    Board board;
    testing::setBoardPicture(board, std::vector<std::string>(100, std::string(199, ' ')));
    board.boardWidth = board.boardHeight = 100;
    for (int y = 1; y <= 100; ++y)
        for (int x = 1; x <= 100; ++x) board.boardCells[cellIndex(x, y)] = 0;
    for (const auto& [cell, number] : clues) board.boardCells[cell] = number;
    auto engine = std::make_unique<Engine>();
    initEngine(*engine, board.boardCells, 100, 100, pairs);
    return engine;
}

/// Nesting the rules can reach: below the first level, every level joins a pair of its own.
constexpr int nestingBound(int pairs) {
    return 3 * pairs + 4;
}

TEST(EngineStack, NestedJoinsDownTheWholeDiagonalFitTheStackBound) {
    // Pair k has its clues right of and below the diagonal cell (k+1, k+1). A corner cascade
    // from (2,2) links each diagonal cell Right, which moves pair k's head into it; the head
    // then joins its partner below, and that join makes the next corner, one level deeper.
    // Pair 99 ends the cascade at (100,100).
    std::vector<std::pair<int, int>> clues;
    for (int k = 1; k <= 98; ++k) {
        clues.emplace_back(at(k + 2, k + 1), k);
        clues.emplace_back(at(k + 1, k + 2), k);
    }
    clues.emplace_back(at(100, 100), 99);
    clues.emplace_back(at(1, 100), 99);
    auto engine = largeEngine(clues, 99);
    Engine& e = *engine;
    int result = -1;
    const std::size_t used =
        stackBytesUsed(1 << 20, [&e, &result] { result = cornerRightDown(e, at(2, 2)); });
    ASSERT_EQ(result, 1) << enginePicture(e);
    for (int k = 1; k <= 98; ++k) ASSERT_EQ(e.pairJoined[k], 1) << "pair " << k;
    EXPECT_GE(e.maxCallDepth, 3 * 98);
    EXPECT_LE(e.maxCallDepth, nestingBound(99));

    // The measured bytes per level, times the deepest nesting 255 pairs could reach, must
    // fit the smallest main-thread stack the program runs on (1 MiB) with room to spare.
    const std::size_t perLevel = used / static_cast<std::size_t>(e.maxCallDepth);
    EXPECT_LT(perLevel * nestingBound(MaxPairs), std::size_t{768} << 10)
        << e.maxCallDepth << " levels used " << used << " bytes";
    std::printf("nesting %d levels, %zu stack bytes, %zu per level\n", e.maxCallDepth, used,
                perLevel);
}

TEST(EngineStack, CornerCascadeAcrossTheWholeDiagonalRunsInOneFrame) {
    auto engine = largeEngine({{at(100, 100), 1}, {at(100, 1), 1}}, 1);
    Engine& e = *engine;
    ASSERT_EQ(cornerRightDown(e, at(2, 2)), 1);
    EXPECT_EQ(e.cellLinks[at(99, 99)] & 15, Right | Down);
    EXPECT_LE(e.maxCallDepth, 2);
}

TEST(EngineStack, ChainAlongFiveThousandLinksRunsInOneFrame) {
    // A meander of links laid earlier runs along every odd row, turning through the even
    // row between, and ends at the partner (1,100); a head entering it runs along all of it
    // in one call.
    auto engine = largeEngine({{at(1, 1), 1}, {at(1, 100), 1}}, 1);
    Engine& e = *engine;
    for (int y = 1; y <= 99; y += 2) {
        for (int x = 1; x < 100; ++x)
            if (!(y == 1 && x == 1)) setLink(e, at(x, y), Right);
        const int turn = y % 4 == 1 ? 100 : 1;
        setLink(e, at(turn, y), Down);
        if (y < 99) setLink(e, at(turn, y + 1), Down);
    }
    setLink(e, at(1, 1), Right);
    e.maxCallDepth = 0;
    const std::size_t used =
        stackBytesUsed(256 << 10, [&e] { followChain(e, 1, at(1, 1), Right); });
    EXPECT_EQ(e.pairJoined[1], 1) << "the head ran the whole snake to the partner; conflict "
                                  << e.conflictCode << " at " << e.conflictCells[0] << " "
                                  << e.conflictCells[1];
    EXPECT_LE(e.maxCallDepth, 3);
    EXPECT_LT(used, std::size_t{64} << 10);
}

} // namespace
} // namespace corvane
