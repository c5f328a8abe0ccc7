// The background check's verdicts, its stop between two steps and its time budget.
#include "board_picture.h"
#include "formats/puzzle_reader.h"
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

// The window's tests type the other verdicts; here are those of boards a search cannot start
// on or finds nothing in.
TEST(UniquenessCheck, GivesTheVerdictOfOneBoardAfterAnother) {
    struct VerdictCase {
        const char* name;
        std::vector<std::string> rows;
        Verdict verdict;
        std::string reason; // Incomplete only: the validation's message
    };
    const VerdictCase cases[] = {
        {"no clue", {". .", ". ."}, Verdict::Incomplete, "数字が1つもありません"},
        {"a pair missing", {"2 . 2"}, Verdict::Incomplete, "1がありません"},
        {"pairs that cross", {"1 2", "2 1"}, Verdict::None, ""},
        {"pairs cut off", {"1 2 1", ". 2 ."}, Verdict::None, ""},
        {"round above or below", {". . . .", "1 2 2 1", ". . . ."}, Verdict::Multiple, ""},
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
}

} // namespace
} // namespace corvane
