// The driver with the recording window: slices, pauses, resume, debug stop step, quitting.
#include "search_run.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::SearchRun;

/// Three pairs on a 12 x 12 board: 866 steps and 8 solutions in the recommended direction.
const std::vector<std::string> SparseBoard{
    ". . . . . . . . . . . .", ". . . . . . . . . . . 2", "3 . 2 . . . . . . . . .",
    ". . . . . . . . . . . .", ". . . . . . . 1 . . . .", ". . . . . . . . . . . .",
    ". . . . . . . . . . . .", ". . 1 . . . . . . . . .", ". 3 . . . . . . . . . .",
    ". . . . . . . . . . . .", ". . . . . . . . . . . .", ". . . . . . . . . . . .",
};
constexpr std::uint64_t SparseSteps = 866;

TEST(SearchDriver, SlicesPumpAfterEveryLoopCountStepsAndRefreshEveryDrawCountSlices) {
    SearchRun run(SparseBoard);
    run.session.settings.loopCount = 10;
    run.session.settings.drawCount = 4;
    run.start();
    EXPECT_EQ(run.session.status.stepCount, SparseSteps);
    EXPECT_EQ(run.lastMessage(), "解は8個でした。");
    EXPECT_EQ(run.window.pumpCount, int(SparseSteps / 10));
    // Preparation, every fourth slice, and the final report.
    EXPECT_EQ(run.window.repaintNowCount, 1 + int(SparseSteps / 10 / 4) + 1);
}

TEST(SearchDriver, PauseLandsOnASliceBoundaryAndResumeKeepsTheElapsedTime) {
    SearchRun run(SparseBoard);
    run.session.settings.loopCount = 7;
    run.window.onPump = [&] {
        if (run.window.pumpCount == 5) run.session.status.searchState = SearchState::PauseRequested;
        return true;
    };
    run.start();
    EXPECT_EQ(run.session.status.searchState, SearchState::Paused);
    EXPECT_EQ(run.session.status.stepCount, 35u);
    EXPECT_TRUE(run.window.boxes.empty());

    run.window.onPump = [] { return true; };
    run.start(); // a new start discards the paused search
    ASSERT_EQ(run.session.status.searchState, SearchState::Finished);
    // It counted from 0 again.
    EXPECT_EQ(run.session.status.stepCount, SparseSteps);

    SearchRun paused(SparseBoard);
    paused.session.settings.loopCount = 7;
    paused.window.onPump = [&] {
        if (paused.window.pumpCount == 3)
            paused.session.status.searchState = SearchState::PauseRequested;
        return true;
    };
    paused.start();
    ASSERT_EQ(paused.session.status.stepCount, 21u);
    paused.session.status.elapsedMs = 4242; // as measured at the pause
    paused.window.onPump = [] { return true; };
    const int tabsBefore = paused.window.searchTabSelections;
    resumeSearch(paused.session, *paused.search);
    EXPECT_EQ(paused.session.status.startTime, 0);
    EXPECT_EQ(paused.session.status.elapsedMs, 4242u);
    EXPECT_EQ(paused.window.searchTabSelections, tabsBefore + 1);
    EXPECT_EQ(paused.session.status.searchState, SearchState::Finished);
    EXPECT_EQ(paused.session.status.stepCount, SparseSteps);
    EXPECT_EQ(paused.lastMessage(), "解は8個でした。");
}

TEST(SearchDriver, DebugStopStepPausesThereAndResumeRunsOneMoreStep) {
    SearchRun run(SparseBoard);
    run.session.settings.debugMode = 1;
    run.window.stopStepText = "5";
    run.start();
    EXPECT_EQ(run.session.status.searchState, SearchState::Paused);
    EXPECT_EQ(run.session.status.stepCount, 5u);
    EXPECT_EQ(run.window.stopStepText, "6");
    resumeSearch(run.session, *run.search);
    EXPECT_EQ(run.session.status.stepCount, 6u);
    EXPECT_EQ(run.window.stopStepText, "7");

    // Stop step 0 never matches: the first step already makes the count 1.
    SearchRun never(SparseBoard);
    never.session.settings.debugMode = 1;
    never.window.stopStepText = "0";
    never.start();
    EXPECT_EQ(never.session.status.searchState, SearchState::Finished);
    EXPECT_EQ(never.session.status.stepCount, SparseSteps);
}

TEST(SearchDriver, QuitInsideThePumpEndsWithoutAResult) {
    SearchRun run(SparseBoard);
    run.session.settings.loopCount = 100;
    run.window.onPump = [] { return false; };
    run.start();
    EXPECT_TRUE(run.window.boxes.empty());
    EXPECT_EQ(run.window.pumpCount, 1);
    EXPECT_EQ(run.session.status.stepCount, 100u);
}

TEST(SearchDriver, OnlyAPauseRequestBecomesAPause) {
    // An edit or a load handled in the pump after a pause request must not leave a paused
    // search that "探索再開" could resume onto the changed board.
    for (SearchState seen : {SearchState::Idle, SearchState::Finished}) {
        SearchRun run(SparseBoard);
        run.session.settings.loopCount = 10;
        run.window.onPump = [&] {
            run.session.status.searchState = seen;
            return true;
        };
        run.start();
        EXPECT_EQ(run.session.status.searchState, seen);
        EXPECT_EQ(run.window.pumpCount, 1);
        resumeSearch(run.session, *run.search); // refused: not paused
        EXPECT_EQ(run.window.pumpCount, 1);
        EXPECT_EQ(run.session.status.stepCount, 10u);
    }
}

TEST(SearchDriver, NewSearchStartedInsideThePumpReplacesTheRunningOne) {
    SearchRun run(SparseBoard);
    run.session.settings.loopCount = 10;
    bool nested = false;
    run.window.onPump = [&] {
        if (!nested) {
            nested = true;
            run.session.status.searchState = SearchState::PauseRequested;
            testing::setBoardPicture(run.session.board, {"1 2", "1 2"});
            startSearch(run.session, *run.search);
        }
        return true;
    };
    run.start();
    EXPECT_EQ(run.window.boxTexts(), (std::vector<std::string>{"解は1個でした。"}));
    EXPECT_EQ(run.session.status.searchState, SearchState::Finished);
    EXPECT_EQ(run.answers().size(), 1u);

    // A start while running is ignored.
    run.session.status.searchState = SearchState::Running;
    run.start();
    EXPECT_EQ(run.window.boxes.size(), 1u);
    EXPECT_EQ(run.session.status.searchState, SearchState::Running);
}

} // namespace
} // namespace corvane
