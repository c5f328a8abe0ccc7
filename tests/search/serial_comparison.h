// The serial and the parallel search side by side: what each shows its user, for the same
// boards, directions and limits.
#pragma once

#include "search_run.h"

#include "formats/puzzle_reader.h"
#include "search/parallel_driver.h"
#include "search/preparation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace corvane::testing {

/// Everything a search shows its user.
struct Outcome {
    bool prepared = false;
    bool ended = false; // false: stopped at the limit
    std::vector<std::string> boxes;
    std::uint64_t solutions = 0;
    std::uint64_t steps = 0;
    std::vector<Answer> answers;        // kept answers, in list order
    std::vector<std::string> viewItems; // the view list
    std::vector<Answer> observed;       // answers the observer saw, in order
    std::vector<std::uint64_t> numbers; // their numbers
    bool operator==(const Outcome&) const = default;
};

inline void PrintTo(const Outcome& o, std::ostream* os) {
    *os << (o.ended ? "ended" : "limit") << " " << ::testing::PrintToString(o.boxes) << " "
        << o.solutions << " solutions, " << o.steps << " steps, " << o.answers.size() << " answers";
}

/// How the answers are handed over: the first three kept in the list (the window, with a
/// small budget), all passed to the observer (the checker's --solutions), or only counted.
enum class Answers { Listed, Observed, Counted };

inline Outcome searchBoard(const Board& board, int direction, const ParallelOptions& options,
                           Answers mode, int fillAllCells = 0) {
    // One session for all searches: a fresh engine for each would cost more than most of
    // these searches.
    static SearchRun run({"1 1"});
    run.session.board = board;
    run.session.settings.directAutoSelect = 0;
    run.session.settings.fillAllCells = fillAllCells;
    run.window.onDirectionDialog = [direction](int& d) {
        d = direction;
        return true;
    };
    run.window.boxes.clear();
    Outcome o;
    run.window.viewItems = {"通常画面"};
    run.search->answerLimits = AnswerLimits{};
    run.search->answerLimits.maxAnswers = mode == Answers::Listed ? 3 : 0;
    run.search->answerObserver = nullptr;
    if (mode == Answers::Observed)
        run.search->answerObserver = [&o](const Answer& answer, std::uint64_t k) {
            o.observed.push_back(answer);
            o.numbers.push_back(k);
        };
    run.session.status.searchState = SearchState::Running;
    o.prepared = prepareSearch(run.session, *run.search) == Preparation::Ready;
    if (o.prepared) o.ended = searchToEnd(run.session, *run.search, options);
    o.boxes = run.window.boxTexts();
    o.solutions = solutionTotal(run.session.board);
    o.steps = run.session.status.stepCount;
    o.answers = run.session.board.solutions;
    o.viewItems = run.window.viewItems;
    return o;
}

/// `count` random boards of `minSide` to `minSide` + `sides` - 1 cells a side with 2 to
/// `maxPairs` pairs; many have several solutions.
inline std::vector<Board> generatedBoards(int count, unsigned seed, int minSide, int sides,
                                          int maxPairs) {
    std::mt19937 random(seed);
    const auto draw = [&random](int n) { return static_cast<int>(random() % unsigned(n)); };
    std::vector<Board> boards(static_cast<std::size_t>(count));
    for (Board& board : boards) {
        const int w = minSide + draw(sides), h = minSide + draw(sides);
        const int pairs = 2 + draw(maxPairs - 1);
        std::vector<int> cells(static_cast<std::size_t>(w * h));
        for (int k = 0; k < 2 * pairs; ++k) cells[static_cast<std::size_t>(k)] = k / 2 + 1;
        std::shuffle(cells.begin(), cells.end(), random);
        std::vector<std::string> rows(static_cast<std::size_t>(h));
        for (std::size_t k = 0; k < cells.size(); ++k)
            rows[k / std::size_t(w)] += cells[k] ? std::to_string(cells[k]) + " " : ". ";
        setBoardPicture(board, rows);
    }
    return boards;
}

inline Board boardFromFile(const std::filesystem::path& path) {
    testing::RecordingWindow window;
    Session session(window, nullptr);
    session.board.currentFilePath = path.string();
    EXPECT_TRUE(loadPuzzleFile(session, FormatAuto)) << path;
    return session.board;
}

/// Compares the serial search with the parallel one for every board and direction, under the
/// standard rule or the every-cell rule: 2
/// threads splitting when one is idle, for the window's answer list; 3 threads counting
/// only, and 8 threads with every answer observed through a buffer that holds one, both
/// keeping two subtrees in reserve, so that they split nearly all the time. Limits are taken
/// around each board's count, so that some stop with work left and some at their last
/// solution.
inline void expectSerialResults(const std::vector<Board>& boards, int& multiple,
                                int fillAllCells = 0) {
    for (std::size_t i = 0; i < boards.size(); ++i)
        for (int d = FirstSearchDirection; d <= LastSearchDirection; ++d) {
            const auto run = [&](Answers mode, const ParallelOptions& options) {
                return searchBoard(boards[i], d, options, mode, fillAllCells);
            };
            const Outcome serial = run(Answers::Listed, {1, 0});
            if (!serial.prepared) continue;
            multiple += serial.solutions > 1;
            const std::string where = "board " + std::to_string(i) + " in " + std::to_string(d);
            EXPECT_EQ(run(Answers::Listed, {2, 0}), serial) << where;
            EXPECT_EQ(run(Answers::Counted, {3, 0, 2}), run(Answers::Counted, {1, 0})) << where;

            const std::uint64_t below = (i + std::size_t(d)) % 3;
            const std::uint64_t limit = serial.solutions > below ? serial.solutions - below : 1;
            EXPECT_EQ(run(Answers::Observed, {8, limit, 2, 1}), run(Answers::Observed, {1, limit}))
                << where << " limit " << limit;
            EXPECT_EQ(run(Answers::Counted, {2, limit, 2}), run(Answers::Counted, {1, limit}))
                << where << " limit " << limit;
        }
}

} // namespace corvane::testing
