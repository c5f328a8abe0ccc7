// The example puzzles: each reads back, is recognised, and is rewritten byte for byte.
#include "format_fixture.h"
#include "model/cp932_codec.h"
#include "model/puzzle_writer.h"

#include <map>
#include <optional>

namespace corvane {
namespace {

using testing::readBytes;

namespace fs = std::filesystem;

struct ExamplesTest : testing::FormatFixture {
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
    const std::map<std::string, int> formats{
        {"kavrin", FormatKavrin}, {"nsha", FormatNsha}, {"nshac", FormatNshaC}};
    std::map<std::string, int> seen;
    for (const auto& entry : fs::directory_iterator(CORVANE_EXAMPLES_DIR)) {
        const std::string file = entry.path().filename().string();
        if (file == "README.md") continue;
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
        EXPECT_EQ(session.board.solutions.size(), format == FormatKavrin ? 0u : 1u);
        const auto text = formatPuzzleText(session.board, format, format == FormatKavrin ? 0 : 1);
        ASSERT_TRUE(text);
        EXPECT_EQ(encodeCp932(*text), readBytes(entry.path()));

        // Every clue number occurs exactly twice and fits the editor's range.
        std::map<int, int> count;
        for (int c = 0; c < CellCount; ++c)
            if (session.board.onBoard(c) && session.board.boardCells[std::size_t(c)] > 0)
                ++count[session.board.boardCells[std::size_t(c)]];
        for (const auto& [clue, n] : count) {
            EXPECT_EQ(n, 2) << clue;
            EXPECT_LE(clue, 99);
        }
        if (name->kind == "unique") {
            EXPECT_TRUE(tiledByStraightPaths());
        }
    }
    EXPECT_GE(seen["unique"], 3);
    EXPECT_GE(seen["two-solutions"], 1);
    EXPECT_GE(seen["no-solution"], 1);
}

} // namespace
} // namespace corvane
