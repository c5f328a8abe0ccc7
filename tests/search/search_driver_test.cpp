// The driver with the recording window: slices, pauses, resume, debug stop step, quitting.
#include "search_run.h"

#include "formats/puzzle_reader.h"
#include "search/parallel_driver.h"
#include "search/step_gate.h"
#include "watchdog.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane {
namespace {

using testing::SearchRun;
using testing::WatchdogLimit;

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

/// A search long enough to be caught running: 142124 steps and 193 solutions.
SearchRun runOfBenchPuzzle(int threads) {
    SearchRun run({"1 1"});
    run.session.board.currentFilePath =
        (std::filesystem::path(CORVANE_BENCH_PUZZLES) / "04_four_pairs_15x15.txt").string();
    EXPECT_TRUE(loadPuzzleFile(run.session, FormatAuto));
    run.window.boxes.clear();
    run.session.settings.searchThreads = threads;
    run.session.settings.loopCount = 1000; // slices of a millisecond
    return run;
}

TEST(SearchDriver, ThreadCountFollowsTheSettings) {
    struct Row {
        int searchThreads, debugMode;
        unsigned expected;
    };
    const unsigned cores = std::clamp(std::thread::hardware_concurrency(), 1u, MaxSearchThreads);
    for (const Row& row : {Row{1, 0, 1}, Row{4, 0, 4}, Row{4, 1, 1}, Row{0, 0, cores},
                           Row{100000, 0, MaxSearchThreads}}) {
        Settings settings;
        settings.searchThreads = row.searchThreads;
        settings.debugMode = row.debugMode;
        EXPECT_EQ(searchThreadsFor(settings), row.expected) << row.searchThreads;
    }
}

TEST(SearchDriver, ParallelSearchPausesResumesAndEndsWithTheSerialResult) {
    SearchRun serial = runOfBenchPuzzle(1);
    serial.start();
    ASSERT_EQ(serial.lastMessage(), "解は193個でした。");

    // The gate lets the threads take 300 steps before the first pump asks for the pause,
    // however slow or busy the machine.
    StepGate gate;
    SearchRun run = runOfBenchPuzzle(3);
    run.search->stepGate = &gate;
    run.window.onPump = [&] {
        if (run.window.pumpCount == 1) {
            gate.allow(300);
            EXPECT_TRUE(gate.waitUntilTaken(300, WatchdogLimit));
            run.session.status.searchState = SearchState::PauseRequested;
        }
        return true;
    };
    run.start();
    ASSERT_EQ(run.session.status.searchState, SearchState::Paused);
    ASSERT_NE(run.search->parallel, nullptr);
    // Paused wherever the threads stood: the total so far, the answers that are final (a
    // prefix of the serial list) and the engine of the earliest subtree for the picture.
    const std::uint64_t pausedAt = run.session.status.stepCount;
    EXPECT_GT(pausedAt, 0u);
    EXPECT_LT(pausedAt, serial.session.status.stepCount);
    const std::size_t shown = run.answers().size();
    ASSERT_LE(shown, serial.answers().size());
    EXPECT_TRUE(std::equal(run.answers().begin(), run.answers().end(), serial.answers().begin()));
    EXPECT_EQ(run.window.viewItems.size(), shown + 1);
    EXPECT_GT(run.search->engine.trailTop, 0);
    EXPECT_TRUE(run.window.boxes.empty());
    // Paused threads take no step, even with the gate open: a picture request wakes each of
    // them and finds them standing where they paused.
    gate.open();
    auto picture = std::make_unique<Engine>();
    EXPECT_TRUE(run.search->parallel->publishEarliest(*picture));
    EXPECT_EQ(run.search->parallel->stepsSoFar(), pausedAt);
    EXPECT_EQ(gate.taken(), 300u);

    run.window.onPump = [] { return true; };
    resumeSearch(run.session, *run.search);
    EXPECT_EQ(run.session.status.searchState, SearchState::Finished);
    EXPECT_EQ(run.window.boxTexts(), serial.window.boxTexts());
    EXPECT_EQ(run.session.status.stepCount, serial.session.status.stepCount);
    EXPECT_EQ(run.answers(), serial.answers());
    EXPECT_EQ(run.window.viewItems, serial.window.viewItems);
    EXPECT_EQ(run.window.viewSelection, 1);
    EXPECT_EQ(run.search->parallel, nullptr);

    // A pause requested once the threads have searched everything ends the search instead.
    StepGate lateGate;
    SearchRun late = runOfBenchPuzzle(3);
    late.search->stepGate = &lateGate;
    late.window.onPump = [&] {
        late.session.status.searchState = SearchState::PauseRequested;
        lateGate.open();
        late.search->parallel->waitUntilOver(WatchdogLimit);
        return true;
    };
    late.start();
    EXPECT_EQ(late.session.status.searchState, SearchState::Finished);
    EXPECT_EQ(late.window.boxTexts(), serial.window.boxTexts());
    EXPECT_EQ(late.session.status.stepCount, serial.session.status.stepCount);
    EXPECT_EQ(late.search->parallel, nullptr);
}

TEST(SearchDriver, ParallelThreadsEndWithQuitEditOrANewStart) {
    // A closed gate holds the threads, so each search is still running at its first pump.
    StepGate gate;
    SearchRun quit = runOfBenchPuzzle(2); // quitting in the pump: no result
    quit.search->stepGate = &gate;
    quit.window.onPump = [] { return false; };
    quit.start();
    EXPECT_TRUE(quit.window.boxes.empty());
    SearchRun edited = runOfBenchPuzzle(2); // an edit seen in the pump: no pause to resume
    edited.search->stepGate = &gate;
    edited.window.onPump = [&] {
        edited.session.status.searchState = SearchState::Idle;
        return true;
    };
    edited.start();
    EXPECT_EQ(edited.session.status.searchState, SearchState::Idle);

    // A new start from inside the pump after a pause request replaces the running search;
    // the new one runs freely.
    SearchRun nested = runOfBenchPuzzle(2);
    nested.search->stepGate = &gate;
    bool started = false;
    nested.window.onPump = [&] {
        if (!std::exchange(started, true)) {
            nested.session.status.searchState = SearchState::PauseRequested;
            testing::setBoardPicture(nested.session.board, SparseBoard);
            gate.open();
            startSearch(nested.session, *nested.search);
        }
        return true;
    };
    nested.start();
    EXPECT_EQ(nested.window.boxTexts(), (std::vector<std::string>{"解は8個でした。"}));
    EXPECT_EQ(nested.session.status.stepCount, SparseSteps);
    EXPECT_EQ(nested.session.status.searchState, SearchState::Finished);
    for (SearchRun* run : {&quit, &edited, &nested}) EXPECT_EQ(run->search->parallel, nullptr);

    // The same session searches again in parallel with the threads it kept.
    nested.session.board = runOfBenchPuzzle(2).session.board;
    nested.window.boxes.clear();
    nested.start();
    EXPECT_EQ(nested.lastMessage(), "解は193個でした。");
    EXPECT_EQ(nested.session.status.stepCount, 142124u);
}

} // namespace
} // namespace corvane
