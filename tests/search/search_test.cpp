// Whole searches on small puzzles with known outcomes, every answer checked independently.
#include "search_run.h"

#include "search/preparation.h"
#include "search/search_loop.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::answerFault;
using testing::answerFromPicture;
using testing::SearchRun;

void expectAllAnswersValid(const SearchRun& run) {
    for (std::size_t k = 0; k < run.answers().size(); ++k)
        EXPECT_EQ(answerFault(run.session.board, run.answers()[k]), "") << "answer " << k + 1;
}

struct KnownPuzzle {
    const char* name;
    std::vector<std::string> clues;
    std::vector<std::string> answer;
    const char* message;
};

const std::vector<KnownPuzzle>& knownPuzzles() {
    static const std::vector<KnownPuzzle> puzzles{
        {"StraightRows",
         {"1 . . 1", "2 . . 2", "3 . . 3", "4 . . 4"},
         {"1 1 1 1", "2 2 2 2", "3 3 3 3", "4 4 4 4"},
         "解は1個でした。"},
        {"SixPairsNeedingSearch",
         {". 3 2 . . .", ". . . . . .", ". 1 6 . 1 2", ". . . . 5 .", ". 4 3 . 6 .", "4 5 . . . ."},
         {"3 3 2 2 2 2", "3 1 1 1 1 2", "3 1 6 6 1 2", "3 3 3 6 5 5", "4 4 3 6 6 5", "4 5 5 5 5 5"},
         "解は1個でした。"},
        {"FivePairsFilledByPropagation",
         {"3 . . . 1", "4 5 . 1 2", ". . . . .", ". 5 2 3 .", ". 4 . . ."},
         {"3 3 3 1 1", "4 5 3 1 2", "4 5 3 3 2", "4 5 2 3 2", "4 4 2 2 2"},
         "解は1個でした。"},
    };
    return puzzles;
}

class KnownAnswers : public ::testing::TestWithParam<std::tuple<std::size_t, int>> {};

TEST_P(KnownAnswers, EveryDirectionFindsTheOneAnswerInBoardOrientation) {
    const auto [index, direction] = GetParam();
    const KnownPuzzle& p = knownPuzzles()[index];
    SearchRun run(p.clues, direction);
    run.start();
    EXPECT_EQ(run.lastMessage(), p.message) << p.name << " in " << direction;
    ASSERT_EQ(run.answers().size(), 1u);
    EXPECT_EQ(run.answers()[0], answerFromPicture(p.answer)) << p.name << " in " << direction;
    expectAllAnswersValid(run);
    EXPECT_EQ(run.search->orientation.searchDirection, direction);
    EXPECT_EQ(run.session.status.searchState, SearchState::Finished);
    EXPECT_EQ(run.window.viewItems, (std::vector<std::string>{"通常画面", "解 No.1"}));
    EXPECT_EQ(run.window.viewSelection, 1);
    EXPECT_TRUE(run.window.viewListFocused);
    EXPECT_EQ(run.window.boxes.back().icon, std::string(p.message) == "解は1個でした。"
                                                ? MessageIcon::Information
                                                : MessageIcon::Warning);
}

INSTANTIATE_TEST_SUITE_P(AllDirections, KnownAnswers,
                         ::testing::Combine(::testing::Range<std::size_t>(0, 3),
                                            ::testing::Range(1022, 1030)));

// With cells left empty, which of the equivalent fillings is counted depends on the
// direction: each direction counts one of them.
TEST(Search, AnswersWithEmptyCellsAreReportedAsSuch) {
    SearchRun corner({"1 . . .", ". 2 . .", ". . . 1", "2 . . ."}, 1023);
    corner.start();
    EXPECT_EQ(corner.window.boxTexts(),
              (std::vector<std::string>{"解は1個でしたが空白マスがあります。"}));
    EXPECT_EQ(corner.window.boxes.back().icon, MessageIcon::Warning);
    ASSERT_EQ(corner.answers().size(), 1u);
    EXPECT_EQ(corner.answers()[0], answerFromPicture({"1 1 1 1", ". 2 . 1", ". 2 . 1", "2 2 . ."}));

    SearchRun edges({"1 . . . 2", ". . . . .", ". . 3 . .", ". . . . .", "3 . . 1 2"}, 1028);
    edges.start();
    EXPECT_EQ(edges.lastMessage(), "解は1個でしたが空白マスがあります。");
    ASSERT_EQ(edges.answers().size(), 1u);
    EXPECT_EQ(edges.answers()[0],
              answerFromPicture({"1 1 1 1 2", ". . . 1 2", "3 3 3 1 2", "3 . . 1 2", "3 . . 1 2"}));
    expectAllAnswersValid(corner);
    expectAllAnswersValid(edges);
}

TEST(Search, ChainMendLeavesOneAnswerWithBlanksAfterEightSteps) {
    SearchRun run({". . . .", ". 2 . .", ". 2 . .", ". 1 . 1", ". . . ."}, 1024);
    run.start();
    EXPECT_EQ(run.window.boxTexts(),
              (std::vector<std::string>{"解は1個でしたが空白マスがあります。"}));
    EXPECT_EQ(run.session.status.stepCount, 8u);
    ASSERT_EQ(run.answers().size(), 1u);
    EXPECT_EQ(run.answers()[0],
              answerFromPicture({". . . .", ". 2 . .", ". 2 . .", ". 1 1 1", ". . . ."}));
}

TEST(Search, TwoSolutionsAreListedInExplorationOrderAfterTheWholeSearch) {
    SearchRun run({". . . 4 .", "3 4 . 3 .", ". . . . .", ". . 1 2 5", ". . 1 2 5"}, 1022);
    run.start();
    EXPECT_EQ(run.window.boxTexts(), (std::vector<std::string>{"解は2個でした。"}));
    EXPECT_EQ(run.window.boxes.back().icon, MessageIcon::Warning);
    EXPECT_EQ(run.window.viewItems, (std::vector<std::string>{"通常画面", "解 No.1", "解 No.2"}));
    ASSERT_EQ(run.answers().size(), 2u);
    EXPECT_NE(run.answers()[0], run.answers()[1]);
    expectAllAnswersValid(run);
    // Rows from the top, cells from the left, the corner (or the Right link) before the
    // blank (or the Down link): the path that uses the top row comes first.
    EXPECT_EQ(run.answers()[0],
              answerFromPicture({"3 3 3 4 4", "3 4 3 3 4", ". 4 4 4 4", ". . 1 2 5", ". . 1 2 5"}));
    EXPECT_EQ(run.answers()[1],
              answerFromPicture({". . 4 4 .", "3 4 4 3 .", "3 3 3 3 .", ". . 1 2 5", ". . 1 2 5"}));
}

TEST(Search, KeptAnswersAreBoundedButTheCountIsNot) {
    SearchRun run({". . . 4 .", "3 4 . 3 .", ". . . . .", ". . 1 2 5", ". . 1 2 5"}, 1022);
    run.search->answerLimits.maxAnswers = 1;
    std::vector<std::uint64_t> seen;
    run.search->answerObserver = [&](const Answer&, std::uint64_t k) { seen.push_back(k); };
    run.start();
    EXPECT_EQ(run.lastMessage(), "解は2個でした。");
    EXPECT_EQ(run.answers().size(), 1u);
    EXPECT_EQ(solutionTotal(run.session.board), 2u);
    EXPECT_EQ(run.window.viewItems.size(), 2u);
    EXPECT_EQ(seen, (std::vector<std::uint64_t>{1, 2}));

    // The memory bound alone: room for no answer of this size.
    SearchRun small({". . . 4 .", "3 4 . 3 .", ". . . . .", ". . 1 2 5", ". . 1 2 5"}, 1022);
    small.search->answerLimits.maxBytes = 10;
    small.start();
    EXPECT_EQ(small.lastMessage(), "解は2個でした。");
    EXPECT_TRUE(small.answers().empty());
    EXPECT_EQ(small.window.viewItems.size(), 1u);
    EXPECT_EQ(small.window.viewSelection, 0);
}

TEST(Search, PuzzleWithoutSolutionReportsZero) {
    SearchRun run({"5 . . . .", ". . . . 2", "1 . . . .", "3 4 1 2 5", "3 4 . . ."});
    run.start();
    EXPECT_EQ(run.window.boxTexts(), (std::vector<std::string>{"解は0個でした。"}));
    EXPECT_EQ(run.window.boxes.back().icon, MessageIcon::Warning);
    EXPECT_EQ(run.window.viewSelection, 0);
    EXPECT_FALSE(run.window.viewListFocused);
    EXPECT_GT(run.session.status.stepCount, 0u);
}

TEST(Search, PropagationAloneRecordsTheAnswerDuringPreparation) {
    SearchRun run({"1 2", "1 2"});
    run.session.status.searchState = SearchState::Running;
    ASSERT_EQ(prepareSearch(run.session, *run.search), Preparation::Ready);
    EXPECT_EQ(run.answers().size(), 1u);
    EXPECT_EQ(run.window.viewItems.back(), "解 No.1");
    // The first step finds no choice and ends the search with the report.
    EXPECT_FALSE(searchStep(run.session, *run.search));
    EXPECT_EQ(run.session.status.stepCount, 0u);
    EXPECT_EQ(run.window.boxTexts(), (std::vector<std::string>{"解は1個でした。"}));
}

TEST(Search, RefusalsLeaveTheProgramIdleWithTheirMessage) {
    SearchRun crossing({"1 2", "2 1"});
    crossing.start();
    EXPECT_EQ(crossing.window.boxTexts(), (std::vector<std::string>{"明らかに解がありません"}));
    EXPECT_EQ(crossing.window.boxes[0].caption, "エラー");
    EXPECT_GE(crossing.window.repaintNowCount, 1); // the view was repainted before the box
    EXPECT_EQ(crossing.session.status.searchState, SearchState::Idle);
    EXPECT_EQ(crossing.session.status.startTime, 0);

    SearchRun lonely({"1 . 2", ". . 2"});
    lonely.start();
    EXPECT_EQ(lonely.window.boxTexts(), (std::vector<std::string>{"1が1つしかありません"}));
    EXPECT_EQ(lonely.session.status.searchState, SearchState::Idle);
    EXPECT_EQ(lonely.window.searchTabSelections, 1);
}

TEST(Search, CancelledDirectionDialogKeepsTheOldAnswersAndShowsNothing) {
    SearchRun run({"1 2", "1 2"});
    run.start();
    ASSERT_EQ(run.answers().size(), 1u);
    run.window.boxes.clear();
    run.session.settings.directAutoSelect = 0;
    run.window.onDirectionDialog = [](int&) { return false; };
    run.start();
    EXPECT_TRUE(run.window.boxes.empty());
    EXPECT_EQ(run.answers().size(), 1u);
    EXPECT_EQ(run.session.status.searchState, SearchState::Idle);
}

} // namespace
} // namespace corvane
