// Random decisions and rewinds: the trail restores every earlier state exactly, and the rules
// never allocate.
#include "allocation_counter.h"
#include "engine_fixture.h"
#include "random_moves.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::engineFromPicture;
using testing::randomStep;
using testing::resetAfterRewind;
using testing::Snapshot;
using testing::snapshotOf;

const std::vector<std::vector<std::string>> propertyBoards{
    {"1 . . . . 2", ". . . . . .", ". . 3 . . .", ". . . . 1 .", "2 . . . . .", ". . . 3 . ."},
    {"1 . . . . . . 1", ". 2 . . . . . .", ". . . . 3 . . .", ". . . . . . 2 .", ". 4 . . . . . .",
     ". . . 3 . . . 4", ". . . . . . . .", "5 . . . . . . 5"},
    {". . . . . . . . . .", ". 1 . . . . . . 2 .", ". . . . . . . . . .", ". . . 3 . . 4 . . .",
     ". . . . . . . . . .", ". . . . . . . . . .", ". . . 4 . . 3 . . .", ". . . . . . . . . .",
     ". 2 . . . . . . 1 .", ". . . . . . . . . ."},
    {". . . .", ". . . .", ". . . .", ". . . .", "1 . . 1"},
};

TEST(EngineProperty, RewindToAnyMarkRestoresTheStateTakenThere) {
    for (std::size_t b = 0; b < propertyBoards.size(); ++b) {
        auto engine = engineFromPicture(propertyBoards[b]);
        Engine& e = *engine;
        const auto setUp = snapshotOf(e);
        propagateClues(e);
        const bool prepared = e.consistent != 0;
        const int preparedTop = e.trailTop;
        std::vector<std::pair<int, std::unique_ptr<Snapshot>>> marks;
        marks.emplace_back(preparedTop, snapshotOf(e));
        std::mt19937 rng(static_cast<unsigned>(1234 + b));
        int steps = 0, rewinds = 0;
        int mostWork = e.workCount;
        for (int round = 0; round < 3000; ++round) {
            const bool rewind = !e.consistent || marks.size() > 40 || rng() % 4 == 0;
            if (rewind) {
                const std::size_t k = rng() % marks.size();
                rewindTo(e, marks[k].first);
                ASSERT_TRUE(*snapshotOf(e) == *marks[k].second)
                    << "board " << b << " round " << round << "\n"
                    << enginePicture(e);
                marks.resize(k + 1);
                resetAfterRewind(e);
                if (!prepared) break;
                ++rewinds;
                continue;
            }
            const int top = e.trailTop;
            auto before = snapshotOf(e);
            if (!randomStep(e, rng)) {
                ASSERT_EQ(e.trailTop, top);
                continue;
            }
            ++steps;
            mostWork = std::max(mostWork, e.workCount);
            marks.emplace_back(top, std::move(before));
        }
        rewindTo(e, 0);
        EXPECT_TRUE(*snapshotOf(e) == *setUp) << "board " << b << "\n" << enginePicture(e);
        // The work list of one step stays far inside its room of 32 entries per cell index.
        EXPECT_LT(mostWork, 25 * e.engineWidth * e.engineHeight) << "board " << b;
        if (prepared) {
            EXPECT_GT(steps, 500) << "board " << b;
            EXPECT_GT(rewinds, 200) << "board " << b;
        }
    }
}

TEST(EngineProperty, RulesAndRewindsDoNotAllocate) {
    auto engine = engineFromPicture(propertyBoards[2]);
    Engine& e = *engine;
    std::mt19937 rng(99);
    std::array<int, 64> marks{};
    int depth = 0;
    long steps = 0;
    const long before = testing::allocationsSoFar();
    propagateClues(e);
    for (int round = 0; round < 20000; ++round) {
        if (!e.consistent || depth == 64 || (depth > 0 && rng() % 3 == 0)) {
            depth = depth == 0 ? 0 : static_cast<int>(rng() % static_cast<unsigned>(depth));
            rewindTo(e, marks[static_cast<std::size_t>(depth)]);
            resetAfterRewind(e);
            continue;
        }
        marks[static_cast<std::size_t>(depth++)] = e.trailTop;
        steps += randomStep(e, rng) ? 1 : 0;
    }
    rewindTo(e, 0);
    const long allocations = testing::allocationsSoFar() - before;
    EXPECT_EQ(allocations, 0);
    EXPECT_GT(steps, 5000);
}

} // namespace
} // namespace corvane
