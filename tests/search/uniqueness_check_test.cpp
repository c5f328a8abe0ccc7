// The background check's verdicts, its stop between two steps and its time budget.
#include "board_picture.h"
#include "model/puzzle_reader.h"
#include "model/session.h"
#include "recording_window.h"
#include "search/uniqueness_check.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::setBoardPicture;

Board boardOf(const std::vector<std::string>& rows) {
    Board board;
    setBoardPicture(board, rows);
    return board;
}

/// An 18 x 18 puzzle with four pairs whose first two solutions take 7094 steps, well over
/// ClockSteps.
Board slowPuzzle() {
    testing::RecordingWindow window;
    Session session(window, nullptr);
    session.board.currentFilePath = CORVANE_BENCH_PUZZLES "/05_four_pairs_18x18.txt";
    EXPECT_TRUE(loadPuzzleFile(session, FormatAuto));
    return session.board;
}

struct VerdictCase {
    const char* name;
    std::vector<std::string> rows;
    Verdict verdict;
    std::string reason;               // Incomplete only
    std::vector<std::string> varying; // Multiple only: 1 where the two solutions differ
};

TEST(UniquenessCheck, GivesTheVerdictOfTwoSolutionSearchesOneAfterAnother) {
    const VerdictCase cases[] = {
        {"no clue", {". .", ". ."}, Verdict::Incomplete, "数字が1つもありません", {}},
        {"half a pair", {"1 . 2", ". . 2"}, Verdict::Incomplete, "1が1つしかありません", {}},
        {"a pair missing", {"2 . 2"}, Verdict::Incomplete, "1がありません", {}},
        {"round above or below",
         {". . . .", "1 2 2 1", ". . . ."},
         Verdict::Multiple,
         "",
         {"1 1 1 1", "0 0 0 0", "1 1 1 1"}},
        {"every cell on a path", {"1 2", "1 2"}, Verdict::Unique, "", {}},
        {"a cell left over", {"1 1", ". ."}, Verdict::UniqueWithBlanks, "", {}},
        {"pairs that cross", {"1 2", "2 1"}, Verdict::None, "", {}},
        {"pairs cut off", {"1 2 1", ". 2 ."}, Verdict::None, "", {}},
    };
    // One check for all: its engine is made once and serves every board.
    UniquenessCheck check;
    const std::atomic<std::uint64_t> latest{7};
    CheckControl control;
    control.latest = &latest;
    control.generation = 7;
    for (const VerdictCase& c : cases) {
        SCOPED_TRACE(c.name);
        Settings settings;
        settings.directAutoSelect = 0; // the check never asks for a direction
        const CheckOutcome outcome = check.run(boardOf(c.rows), settings, control);
        EXPECT_STREQ(verdictText(outcome.verdict), verdictText(c.verdict));
        EXPECT_EQ(outcome.reason, c.reason);
        if (c.varying.empty()) {
            EXPECT_EQ(outcome.varying.count(), 0u);
        } else {
            const Board expected = boardOf(c.varying);
            for (int y = 1; y <= expected.boardHeight; ++y)
                for (int x = 1; x <= expected.boardWidth; ++x)
                    EXPECT_EQ(outcome.varying.test(cellIndex(x, y)),
                              expected.boardCells[cellIndex(x, y)] == 1)
                        << x << "," << y;
        }
    }
}

TEST(UniquenessCheck, StopsAtTheStepAfterACancelOrTheClockReadPastTheBudget) {
    struct StopCase {
        const char* name;
        bool cancelAtClock; // a newer check is asked for at the first read of the clock
        bool pastDeadline;  // the budget is spent from the start
        Verdict verdict;
    };
    const StopCase cases[] = {
        {"cancelled mid-search", true, false, Verdict::Cancelled},
        {"budget spent", false, true, Verdict::TimedOut},
    };
    UniquenessCheck check;
    const Board slow = slowPuzzle();
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::atomic<std::uint64_t> latest{1};
        CheckControl control;
        control.latest = &latest;
        control.generation = 1;
        if (c.pastDeadline) control.deadline = CheckControl::Clock::time_point::min();
        int clockReads = 0;
        control.onClockRead = [&](std::uint64_t steps) {
            ++clockReads;
            EXPECT_EQ(steps, UniquenessCheck::ClockSteps);
            if (c.cancelAtClock) latest = 2;
        };
        const CheckOutcome outcome = check.run(slow, Settings{}, control);
        EXPECT_EQ(outcome.verdict, c.verdict);
        EXPECT_EQ(outcome.steps, UniquenessCheck::ClockSteps);
        EXPECT_EQ(clockReads, 1);
    }
    // Asked for after a newer one, a check does not even start; the same board unhindered
    // finds its two solutions.
    std::atomic<std::uint64_t> latest{5};
    CheckControl control;
    control.latest = &latest;
    control.generation = 4;
    EXPECT_EQ(check.run(slow, Settings{}, control).steps, 0u);
    control.generation = 5;
    const CheckOutcome full = check.run(slow, Settings{}, control);
    EXPECT_EQ(full.verdict, Verdict::Multiple);
    EXPECT_GT(full.steps, UniquenessCheck::ClockSteps);
}

} // namespace
} // namespace corvane
