// Branches the search refuses instead of linking across a blocked or linked edge, the end of
// the scan, and answers on random boards checked against the independent checker.
#include "search_run.h"

#include "search/search_loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace corvane {
namespace {

using testing::answerFault;
using testing::SearchRun;
using testing::setBoardPicture;

/// An engine built from a picture without propagation, so that the test picks the state.
struct RawEngine {
    testing::RecordingWindow window;
    Session session{window, nullptr};
    std::unique_ptr<SearchSession> search = std::make_unique<SearchSession>();
    Engine& engine = search->engine;

    explicit RawEngine(const std::vector<std::string>& rows, int pairs) {
        setBoardPicture(session.board, rows);
        std::array<int, CellCount> clues{};
        for (int c = 0; c < CellCount; ++c)
            clues[c] = session.board.onBoard(c) ? session.board.boardCells[c] : 0;
        initEngine(engine, clues, session.board.boardWidth, session.board.boardHeight, pairs);
        buildOrientation(session.board, search->orientation);
        engine.workCount = 0;
    }
};

TEST(SearchGuards, HeadInTheBottomRightCornerRefusesBothBranchesWithoutTouchingLinks) {
    RawEngine raw({"1 . .", ". . 1"}, 1);
    Engine& e = raw.engine;
    const auto linksBefore = e.cellLinks;
    e.scanCell = cellIndex(2, 2); // the next open cell is the head at (3, 2)

    branchStep(*raw.search);
    ASSERT_EQ(e.trailTop, 1);
    EXPECT_EQ(e.trail[0].kind, ChoiceLink);
    EXPECT_EQ(e.trail[0].a, cellIndex(3, 2));
    EXPECT_EQ(e.consistent, 0);
    EXPECT_EQ(e.cellLinks, linksBefore); // the refused Right link was never set

    // The second branch (Down) runs into the rim as well: the choice is spent.
    EXPECT_TRUE(backtrackStep(raw.session, *raw.search));
    EXPECT_EQ(e.trailTop, 0);
    EXPECT_EQ(e.consistent, 0);
    EXPECT_EQ(e.cellLinks, linksBefore);
    EXPECT_TRUE(raw.window.boxes.empty());

    // Nothing is left to rewind: the search ends with its report.
    EXPECT_FALSE(backtrackStep(raw.session, *raw.search));
    EXPECT_EQ(raw.window.boxTexts(), (std::vector<std::string>{"解は0個でした。"}));
}

TEST(SearchGuards, RefusedRightLinkStillTriesTheDownLink) {
    RawEngine raw({". . 1", ". . .", "1 . ."}, 1);
    Engine& e = raw.engine;
    e.scanCell = cellIndex(2, 1); // the head at (3, 1) in the last column
    branchStep(*raw.search);
    ASSERT_EQ(e.trailTop, 1);
    EXPECT_EQ(e.cellLinks[cellIndex(3, 1)] & 15, 0);
    EXPECT_TRUE(backtrackStep(raw.session, *raw.search));
    EXPECT_EQ(e.trail[0].kind, LinkDown);
    EXPECT_EQ(e.cellLinks[cellIndex(3, 1)] & 15, Down);
    EXPECT_EQ(e.cellLinks[cellIndex(3, 2)] & Up, Up);
}

TEST(SearchGuards, ScanPastTheLastCellIsAContradictionNotARead) {
    RawEngine raw({"1 1"}, 1);
    Engine& e = raw.engine;
    e.scanCell = cellIndex(2, 1);
    branchStep(*raw.search);
    EXPECT_EQ(e.consistent, 0);
    EXPECT_EQ(e.trailTop, 0);
}

TEST(SearchGuards, CornerInTheLastRowIsRefusedAndItsBlankBranchFollows) {
    RawEngine raw({"1 . 1", ". . ."}, 1);
    Engine& e = raw.engine;
    e.scanCell = cellIndex(0, 2);
    const auto linksBefore = e.cellLinks;
    branchStep(*raw.search); // corner Right+Down at (1, 2): Down runs into the rim
    EXPECT_EQ(e.consistent, 0);
    EXPECT_TRUE(backtrackStep(raw.session, *raw.search));
    EXPECT_EQ(e.trail[0].kind, CellBlank);
    EXPECT_EQ(e.cellOwner[cellIndex(1, 2)], Blank);
    // Every link the corner set was taken back; only blocks were added.
    for (int c = 0; c < CellCount; ++c) EXPECT_EQ(e.cellLinks[c] & 15, linksBefore[c] & 15) << c;
}

/// Random boards with a few pairs: every answer must be a real solution, found once.
TEST(SearchGuards, EveryAnswerOnRandomBoardsIsASolutionFoundOnce) {
    std::mt19937 random(12345);
    int searched = 0, withAnswers = 0;
    for (int round = 0; round < 300; ++round) {
        const int w = 3 + static_cast<int>(random() % 4), h = 3 + static_cast<int>(random() % 4);
        const int pairs = 2 + static_cast<int>(random() % 3);
        std::vector<int> cells(static_cast<std::size_t>(w * h));
        for (int i = 0; i < 2 * pairs; ++i) cells[static_cast<std::size_t>(i)] = i / 2 + 1;
        std::shuffle(cells.begin(), cells.end(), random);
        std::vector<std::string> rows;
        for (int y = 0; y < h; ++y) {
            std::string row;
            for (int x = 0; x < w; ++x) {
                const int v = cells[static_cast<std::size_t>(y * w + x)];
                row += (x ? " " : "") + (v ? std::to_string(v) : std::string("."));
            }
            rows.push_back(row);
        }
        SearchRun run(rows, 1022 + static_cast<int>(random() % 8));
        run.start();
        if (run.session.status.searchState != SearchState::Finished) continue;
        ++searched;
        std::set<std::vector<int>> distinct;
        for (const Answer& a : run.answers()) {
            EXPECT_EQ(answerFault(run.session.board, a), "") << ::testing::PrintToString(rows);
            std::vector<int> values;
            for (int y = 1; y <= h; ++y)
                for (int x = 1; x <= w; ++x) values.push_back(a.at(cellIndex(x, y)));
            distinct.insert(values);
        }
        EXPECT_EQ(distinct.size(), run.answers().size()) << ::testing::PrintToString(rows);
        if (!run.answers().empty()) ++withAnswers;
    }
    EXPECT_GT(searched, 100);
    EXPECT_GT(withAnswers, 50);
}

} // namespace
} // namespace corvane
