// The example puzzles: each reads back, is recognised, and is rewritten byte for byte; each
// goes through a URL and pzprv3 text unchanged.
#include "base/cp932_codec.h"
#include "format_fixture.h"
#include "formats/puzzle_writer.h"
#include "formats/puzzlink_url.h"

#include <map>
#include <optional>
#include <sstream>

namespace corvane {
namespace {

using testing::readBytes;

namespace fs = std::filesystem;

struct ExamplesTest : testing::FormatFixture {
    /// Every clue number occurs exactly twice and fits the editor's range.
    void expectPairs() const {
        std::map<int, int> count;
        for (int c = 0; c < CellCount; ++c)
            if (session.board.onBoard(c) && session.board.boardCells[std::size_t(c)] > 0)
                ++count[session.board.boardCells[std::size_t(c)]];
        for (const auto& [clue, n] : count) {
            EXPECT_EQ(n, 2) << clue;
            EXPECT_LE(clue, 99);
        }
    }

    /// True when the clues tile the board with straight paths: each pair's clues share a
    /// row or column and the segments between them cover every cell exactly once.
    bool tiledByStraightPaths() const {
        const Board& b = session.board;
        std::map<int, std::vector<int>> ends;
        for (int y = 1; y <= b.boardHeight; ++y)
            for (int x = 1; x <= b.boardWidth; ++x)
                if (const int v = b.boardCells[cellIndex(x, y)]) ends[v].push_back(cellIndex(x, y));
        std::vector<int> cover(CellCount, 0);
        for (const auto& [pair, cells] : ends) {
            if (cells.size() != 2) return false;
            const int a = cells[0], z = cells[1];
            const int step = cellRow(a) == cellRow(z)         ? 1
                             : cellColumn(a) == cellColumn(z) ? RowStride
                                                              : 0;
            if (step == 0) return false;
            for (int c = a; c <= z; c += step) ++cover[std::size_t(c)];
        }
        for (int y = 1; y <= b.boardHeight; ++y)
            for (int x = 1; x <= b.boardWidth; ++x)
                if (cover[std::size_t(cellIndex(x, y))] != 1) return false;
        return true;
    }
};

/// The parts of an example's name "<kind>-<width>x<height>.<format>.txt".
struct ExampleName {
    std::string kind, format;
    int width = 0, height = 0;
};

std::optional<ExampleName> parseExampleName(const std::string& file) {
    const std::size_t dot = file.find('.'), dash = file.rfind('-', dot),
                      times = file.find('x', dash);
    const std::size_t lastDot = file.rfind('.');
    if (dot == std::string::npos || dash == std::string::npos || times > dot ||
        file.substr(lastDot) != ".txt")
        return std::nullopt;
    ExampleName name;
    name.kind = file.substr(0, dash);
    name.format = file.substr(dot + 1, lastDot - dot - 1);
    name.width = std::atoi(file.substr(dash + 1, times - dash - 1).c_str());
    name.height = std::atoi(file.substr(times + 1, dot - times - 1).c_str());
    return name;
}

TEST_F(ExamplesTest, EveryExampleReadsBackAndIsRewrittenExactly) {
    const std::map<std::string, int> formats{{"kavrin", FormatKavrin},
                                             {"nsha", FormatNsha},
                                             {"nshac", FormatNshaC},
                                             {"pzprv3", FormatPzprv3}};
    std::map<std::string, int> seen;
    for (const auto& entry : fs::directory_iterator(CORVANE_EXAMPLES_DIR)) {
        const std::string file = entry.path().filename().string();
        if (file == "README.md" || entry.path().extension() == ".url") continue;
        SCOPED_TRACE(file);
        const auto name = parseExampleName(file);
        ASSERT_TRUE(name);
        ASSERT_TRUE(name->kind == "unique" || name->kind == "two-solutions" ||
                    name->kind == "no-solution");
        ASSERT_EQ(formats.count(name->format), 1u);
        const int format = formats.at(name->format);
        ++seen[name->kind];

        session.board.currentFilePath = entry.path().string();
        ASSERT_TRUE(loadPuzzleFile(session, FormatAuto));
        EXPECT_EQ(session.settings.fileFormat, format);
        EXPECT_EQ(session.board.boardWidth, name->width);
        EXPECT_EQ(session.board.boardHeight, name->height);
        // A pzprv3 example of a puzzle without solution holds no answer.
        const bool answered =
            format != FormatKavrin && !(format == FormatPzprv3 && name->kind == "no-solution");
        EXPECT_EQ(session.board.solutions.size(), answered ? 1u : 0u);
        const auto text = formatPuzzleText(session.board, format, answered ? 1 : 0);
        ASSERT_TRUE(text);
        EXPECT_EQ(encodeCp932(*text), readBytes(entry.path()));
        expectPairs();
        if (name->kind == "unique") {
            EXPECT_TRUE(tiledByStraightPaths());
        }

        // Through a URL: the same clues. Through pzprv3 text with the answer: the same clues
        // and answer; the grid files of the no-solution examples hold bare clues, which are no
        // paths and are refused, so their text holds the puzzle alone.
        const Board before = session.board;
        const auto url = puzzlinkUrl(before);
        ASSERT_TRUE(url && loadPuzzleText(session, *url));
        EXPECT_EQ(session.board.boardCells, before.boardCells);
        EXPECT_TRUE(session.board.solutions.empty()); // the answer read before is gone
        auto pzprv3 = formatPuzzleText(before, FormatPzprv3, answered ? 1 : 0);
        EXPECT_EQ(pzprv3.has_value(), name->kind != "no-solution" || !answered);
        if (!pzprv3) pzprv3 = formatPuzzleText(before, FormatPzprv3, 0);
        ASSERT_TRUE(pzprv3 && loadPuzzleText(session, *pzprv3));
        EXPECT_EQ(session.board.boardCells, before.boardCells);
        EXPECT_EQ(session.board.solutions,
                  name->kind == "no-solution" ? std::vector<Answer>() : before.solutions);
    }
    EXPECT_GE(seen["unique"], 3);
    EXPECT_GE(seen["two-solutions"], 1);
    EXPECT_GE(seen["no-solution"], 1);
}

TEST_F(ExamplesTest, EveryUrlListReadsBackAndIsRewrittenExactly) {
    for (const std::string kind : {"unique", "two-solutions", "no-solution"}) {
        std::istringstream list(readBytes(fs::path(CORVANE_EXAMPLES_DIR) / (kind + ".url")));
        int urls = 0;
        for (std::string line; std::getline(list, line);) {
            if (line.empty() || line[0] == '#') continue;
            SCOPED_TRACE(line);
            ASSERT_TRUE(loadPuzzleText(session, line));
            EXPECT_EQ(puzzlinkUrl(session.board), line);
            expectPairs();
            EXPECT_TRUE(kind != "unique" || tiledByStraightPaths());
            ++urls;
        }
        EXPECT_GE(urls, 1) << kind;
    }
}

} // namespace
} // namespace corvane
