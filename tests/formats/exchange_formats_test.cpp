// puzz.link URLs and pzprv3 text: exact texts, the spellings read, refusals, answer lines.
#include "format_fixture.h"
#include "formats/answer_paths.h"
#include "formats/puzzle_writer.h"
#include "formats/puzzlink_url.h"
#include "formats/pzprv3_text.h"

#include <gmock/gmock.h>

namespace corvane {
namespace {

using testing::answerFromPicture;
using testing::FormatFixture;
using testing::setBoardPicture;

using Rows = std::vector<std::string>;

struct ExchangeTest : FormatFixture {
    Board& board = session.board;

    /// The board of `rows` written as a URL and read back; returns the URL.
    std::string urlRoundTrip(const Rows& rows) {
        setBoardPicture(board, rows);
        const std::string url = puzzlinkUrl(board).value_or("<refused>");
        EXPECT_TRUE(loadPuzzleText(session, url)) << url;
        EXPECT_EQ(clues(), rows) << url;
        return url;
    }
};

TEST_F(ExchangeTest, UrlsAreWrittenAsPzprjsWritesThemAndReadBack) {
    const std::string prefix = "https://puzz.link/p?numlin/";
    EXPECT_EQ(urlRoundTrip({"1 . . . .", "2 . . 3 .", ". . . . .", ". 1 . . 2", ". . . . 3"}),
              prefix + "5/5/1j2h3m1h2j3");
    // 15 and 16, 255 and 256 change form; a run of 20 is "z", of 21 "z" and "g".
    const auto row = [](const std::string& first, int empty, const std::string& last) {
        std::string r = first;
        for (int k = 0; k < empty; ++k) r += " .";
        return r + " " + last;
    };
    EXPECT_EQ(urlRoundTrip({row("15", 20, "16")}), prefix + "22/1/fz-10");
    EXPECT_EQ(urlRoundTrip({row("255", 21, "256")}), prefix + "23/1/-ffzg+100");
    EXPECT_EQ(urlRoundTrip({row("4095", 0, "4096"), row(".", 0, ".")}), prefix + "2/2/+fff=000h");
    EXPECT_EQ(urlRoundTrip({"8192 12239 12240 77775 77776 1126351"}),
              prefix + "6/1/%000%fcf*0000*ffff$00000$fffff");
    EXPECT_EQ(urlRoundTrip({row(".", 19, ".")}), prefix + "21/1/zg");
    EXPECT_EQ(urlRoundTrip({row(".", 18, ".")}), prefix + "20/1/z");
    setBoardPicture(board, {"1126352 ."});
    EXPECT_FALSE(puzzlinkUrl(board));
}

TEST_F(ExchangeTest, UrlSpellingsOfOtherSitesAndToolsReadTheSameBoard) {
    const Rows expected{"1 . 300", "8200 . 1"};
    for (const std::string url : {
             "https://puzz.link/p?numlin/3/2/1g+12c@008g1",
             "http://pzv.jp/p.html?numlin/3/2/1g+12C%008g1",
             "https://pzprxs.vercel.app/p?numberlink/3/2/1g+12c%008g1",
             "https://puzz.link/p?numlin_edit/3/2/1g+12c%008g1",
             "https://puzz.link/p?type=editor&numlin/3/2/1g+12c%008g1",
             "https://puzz.link/p?v:2/numlin/3/2/1g+12c%008g1#top",
             "  https://puzz.link/p?numlin/flag/3/2/1g+12c%008g1\r\n",
         }) {
        EXPECT_TRUE(loadPuzzleText(session, url)) << url;
        EXPECT_EQ(clues(), expected) << url;
        EXPECT_TRUE(session.board.solutions.empty());
    }
    // A body that stops early leaves the remaining cells empty, as pzprjs reads it, and says
    // so; a full body says nothing.
    std::string warning;
    EXPECT_TRUE(loadPuzzleText(session, "https://puzz.link/p?numlin/2/2/1", nullptr, &warning));
    EXPECT_EQ(clues(), (Rows{"1 .", ". ."}));
    EXPECT_EQ(warning, "the body ends at cell 1 of 4; the rest is read as empty");
    EXPECT_TRUE(loadPuzzleText(session, "https://puzz.link/p?numlin/2/2/1i", nullptr, &warning));
    EXPECT_EQ(warning, "");
}

TEST_F(ExchangeTest, Pzprv3TextIsWrittenWithTheAnswersLinesAndReadBack) {
    setBoardPicture(board, {"1 . 2", ". . .", "1 . 2"});
    board.solutions.push_back(answerFromPicture({"1 2 2", "1 2 .", "1 2 2"}));
    const std::string text = pzprv3Text(board, &board.solutions[0], "\n").value();
    EXPECT_EQ(text, "pzprv3\nnumlin\n3\n3\n"
                    "1 . 2 \n. . . \n1 . 2 \n"
                    "0 1 \n0 0 \n0 1 \n"
                    "1 1 0 \n1 1 0 \n");
    // Without an answer the line block is all "0", which reads as no answer.
    const std::string clueOnly = formatPuzzleText(board, FormatPzprv3, 0).value();
    const std::string zeros = "0 0 \r\n0 0 \r\n0 0 \r\n0 0 0 \r\n0 0 0 \r\n";
    EXPECT_EQ(clueOnly.substr(clueOnly.size() - zeros.size()), zeros);
    ASSERT_TRUE(loadPuzzleText(session, clueOnly));
    EXPECT_TRUE(board.solutions.empty());
    EXPECT_EQ(session.status.searchState, SearchState::Idle);

    ASSERT_TRUE(loadPuzzleText(session, text));
    EXPECT_EQ(clues(), (Rows{"1 . 2", ". . .", "1 . 2"}));
    EXPECT_EQ(answerPicture(1), (Rows{"1 2 2", "1 2 .", "1 2 2"}));
    EXPECT_EQ(session.status.searchState, SearchState::Finished);
    EXPECT_EQ(window.viewItems, (Rows{"通常画面", "解 No.1"}));

    // pzprjs' own shape: a variant line, a version, CR LF, cross marks, a trailing block.
    ASSERT_TRUE(loadPuzzleText(session, "\r\nv:x\r\npzprv3.1\r\nnumlin\r\n1\r\n3\r\n"
                                        "2 2 . \r\n1 -1 \r\ninfo:{\"metadata\":{}}\r\n"));
    EXPECT_EQ(answerPicture(1), (Rows{"2 2 ."}));
    // The same text packed into a URL, with its blanks written as a browser writes them.
    ASSERT_TRUE(loadPuzzleText(session, "https://puzz.link/p?pzprv3/numlin/2/1/1%20/1+///1/"));
    EXPECT_EQ(clues(), (Rows{"1", "1"}));
    EXPECT_EQ(answerPicture(1), (Rows{"1", "1"}));
    // A board one column wide has no horizontal lines: its path is written downwards.
    EXPECT_EQ(pzprv3Text(board, &board.solutions[0], "\n"),
              "pzprv3\nnumlin\n2\n1\n1 \n1 \n\n\n1 \n");
}

TEST_F(ExchangeTest, AnswerLinesFollowAPathThatRunsBesideItself) {
    // Pair 1 turns back beside itself: (1,1)..(4,1), down, back along row 2, down, along row 3.
    const Rows clues{"1 . . .", ". . . .", ". . . 1"};
    const Rows snake{"1 1 1 1", "1 1 1 1", "1 1 1 1"};
    setBoardPicture(board, clues);
    const Answer answer = answerFromPicture(snake);
    const auto links = linksOfAnswer(board, answer);
    ASSERT_TRUE(links);
    // The lines read back into the same answer.
    std::vector<int> given(12, 0);
    given[0] = given[11] = 1;
    const auto back = answerFromLinks(given, *links);
    ASSERT_TRUE(back) << back.reason;
    EXPECT_EQ(*back, std::vector<int>(12, 1));

    // Not paths: two clues of 1 with nothing between them, a third end, a clue that is not
    // on its own number, a size that is not the board's.
    setBoardPicture(board, {"1 . 1"});
    EXPECT_FALSE(linksOfAnswer(board, answerFromPicture({"1 . 1"})));
    setBoardPicture(board, {"1 . 1", ". . 1"});
    EXPECT_FALSE(linksOfAnswer(board, answerFromPicture({"1 1 1", ". . 1"})));
    setBoardPicture(board, {"1 1"});
    EXPECT_FALSE(linksOfAnswer(board, answerFromPicture({"1 2"})));
    EXPECT_FALSE(linksOfAnswer(board, answerFromPicture({"1 1 ."})));
    EXPECT_TRUE(linksOfAnswer(board, answerFromPicture({"1 1"})));
}

TEST_F(ExchangeTest, MalformedUrlsAndPzprv3TextAreRefusedWithTheirReason) {
    const std::string head = "pzprv3\nnumlin\n2\n3\n1 . 1 \n. . . \n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"https://puzz.link/p?numlin/3/1/-1", "cut off"},
        {"https://puzz.link/p?numlin/3/1/+ff", "cut off"},
        {"https://puzz.link/p?numlin/3/1/-1x", "not hexadecimal"},
        {"https://puzz.link/p?numlin/3/1/j", "past the board"},
        {"https://puzz.link/p?numlin/3/1/i1", "more cells than the board"},
        {"https://puzz.link/p?numlin/0/5/", "not 1..100"},
        {"https://puzz.link/p?numlin/101/1/", "not 1..100"},
        {"https://puzz.link/p?numlin/3/99999999999999999999/", "not 1..100"},
        {"https://puzz.link/p?numlin/5", "no board size"},
        {"https://puzz.link/p?numlin/2/1/.1", "unknown clue"},
        {"https://puzz.link/p?numlin/2/1/01", "clue 0"},
        {"https://puzz.link/p?numlin/2/1/1A", "unexpected character"},
        {"https://puzz.link/p?slither/2/2/1", "not a numlin puzzle"},
        {"https://puzz.link/p", "no puzzle after"},
        {"w3h3n1", "neither"},
        {"pzprv2\nnumlin\n1\n1\n.\n", "neither"},
        {"pzprv3x\nnumlin\n1\n1\n.\n", "no pzprv3 header"},
        {"pzprv3\nslither\n1\n1\n.\n", "not a numlin puzzle"},
        {"pzprv3\nnumlin\n101\n1\n", "not 1..100"},
        {"pzprv3\nnumlin\n1\n0\n", "not 1..100"},
        {"pzprv3\nnumlin\n2\n3\n1 . 1\n", "cell rows end after 1"},
        {"pzprv3\nnumlin\n2\n3\n1 . 1\n. .\n", "holds 2 cells, not 3"},
        {"pzprv3\nnumlin\n1\n2\n1 -\n", "unknown clue"},
        {"pzprv3\nnumlin\n1\n2\n1 0\n", "clue 0"},
        {"pzprv3\nnumlin\n1\n2\n1 x\n", "unreadable cell"},
        {head + "1 1 \n", "horizontal lines end after 1"},
        {head + "1 1 \n0 0 \n", "vertical lines end after 0"},
        {head + "1 1 1 \n0 0 \n0 0 0 \n", "holds 3 entries, not 2"},
        {head + "1 2 \n0 0 \n0 0 0 \n", "unreadable line entry"},
        {"https://puzz.link/p?numlin/-7/6/523i1j", "the board size -7 x 6 is not"},
        {"https://puzz.link/p?numlin/2/1/1あ", "unexpected character 'あ' in the body"},
    };
    setBoardPicture(board, {"1 2", "2 1"});
    const testing::BoardSnapshot before(session, window);
    for (const auto& [text, expected] : cases) {
        window.boxes.clear();
        std::string reason;
        EXPECT_FALSE(loadPuzzleText(session, text, &reason)) << text;
        EXPECT_NE(reason.find(expected), std::string::npos) << text << "\n  gave: " << reason;
        EXPECT_TRUE(failedOnce()) << text;
        EXPECT_TRUE(testing::BoardSnapshot(session, window) == before) << text;
    }
}

TEST_F(ExchangeTest, LinesThatFormNoAnswerAreLeftOutAndTheCluesLoadedWithTheReason) {
    const std::string head = "pzprv3\nnumlin\n2\n3\n1 . 1 \n. . . \n";
    const Rows cluesOfHead{"1 . 1", ". . ."};
    const struct {
        std::string text;
        std::string reason; // the first fault of the lines in reading order, with its cell
        Rows clues;
    } cases[] = {
        {head + "1 0 \n0 0 \n0 0 0 \n", "a line ends at row 1, column 2 without a clue",
         cluesOfHead},
        // A clue without its line comes after every fault of the lines themselves.
        {head + "0 0 \n0 0 \n1 0 0 \n", "a line ends at row 2, column 1 without a clue",
         cluesOfHead},
        {"pzprv3\nnumlin\n1\n4\n1 1 2 2 \n1 0 0 \n",
         "the clue at row 1, column 3 has no line",
         {"1 1 2 2"}},
        {head + "1 1 \n1 0 \n0 1 0 \n", "lines branch at row 1, column 2", cluesOfHead},
        {"pzprv3\nnumlin\n3\n3\n3 1 . \n1 . 2 \n3 . 2 \n0 0 \n1 1 \n0 0 \n0 1 0 \n0 0 0 \n",
         "lines branch at row 2, column 2",
         {"3 1 .", "1 . 2", "3 . 2"}},
        {"pzprv3\nnumlin\n3\n3\n. 1 . \n1 . 1 \n. 1 . \n0 0 \n1 1 \n0 0 \n0 1 0 \n0 1 0 \n",
         "lines cross at row 2, column 2",
         {". 1 .", "1 . 1", ". 1 ."}},
        {"pzprv3\nnumlin\n1\n3\n1 2 1 \n1 1 \n",
         "a line runs through the clue at row 1, column 2",
         {"1 2 1"}},
        {"pzprv3\nnumlin\n3\n3\n1 1 . \n. . . \n. . . \n1 0 \n0 1 \n0 1 \n0 0 0 \n0 1 1 \n",
         "a loop of lines runs through row 2, column 2",
         {"1 1 .", ". . .", ". . ."}},
        {"pzprv3\nnumlin\n1\n2\n1 2 \n1 \n", "joins clue 1 at row 1, column 1 to clue 2", {"1 2"}},
        {"pzprv3\nnumlin\n1\n2\n100 100 \n1 \n", "numbers of 100 or more", {"100 100"}},
        {"https://puzz.link/p?pzprv3/numlin/1/3/1 . 1 /1 0 /", "without a clue", {"1 . 1"}},
    };
    for (const auto& c : cases) {
        window.boxes.clear();
        std::string warning;
        ASSERT_TRUE(loadPuzzleText(session, c.text, nullptr, &warning)) << c.text;
        EXPECT_EQ(clues(), c.clues) << c.text;
        EXPECT_TRUE(session.board.solutions.empty()) << c.text;
        EXPECT_EQ(session.status.searchState, SearchState::Idle) << c.text;
        EXPECT_THAT(warning, ::testing::HasSubstr(c.reason)) << c.text;
        ASSERT_EQ(window.boxes.size(), 1u) << c.text;
        EXPECT_EQ(window.boxes[0].icon, MessageIcon::Information);
        EXPECT_EQ(window.boxes[0].text,
                  "解答データを読み込めなかったため、問題だけを読み込みました。\n" + warning);
    }
    // A file is loaded the same way.
    window.boxes.clear();
    ASSERT_TRUE(loadBytes(cases[0].text));
    EXPECT_EQ(clues(), cluesOfHead);
    EXPECT_EQ(window.boxes.size(), 1u);
}

TEST_F(ExchangeTest, Pzprv3WithAByteOrderMarkOrWithoutRowsIsRead) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::string text = "pzprv3\r\nnumlin\r\n1\r\n2\r\n3 3 \r\n1 \r\n";
    EXPECT_TRUE(loadPuzzleText(session, bom + text));
    EXPECT_EQ(answerPicture(1), Rows{"3 3"});
    EXPECT_TRUE(loadPuzzleText(session, bom + "https://puzz.link/p?numlin/2/1/22"));
    EXPECT_EQ(clues(), Rows{"2 2"});
    for (const int format : {FormatAuto, FormatPzprv3}) {
        EXPECT_TRUE(loadBytes(bom + text, format)) << format;
        EXPECT_EQ(answerPicture(1), Rows{"3 3"}) << format;
    }
    // Sizes alone are an empty board, as puzz.link opens them.
    for (const std::string& empty : {std::string("pzprv3\nnumlin\n2\n3\n"),
                                     std::string("pzprv3\nnumlin\n2\n3\n\ninfo:{}\n")}) {
        ASSERT_TRUE(loadPuzzleText(session, empty)) << empty;
        EXPECT_EQ(clues(), (Rows{". . .", ". . ."}));
    }
    EXPECT_TRUE(window.boxes.empty());
}

TEST_F(ExchangeTest, FilesAreRecognisedAsPzprv3OrUrlInAutomaticMode) {
    ASSERT_TRUE(loadBytes("\r\n\r\npzprv3\r\nnumlin\r\n1\r\n2\r\n3 3 \r\n1 \r\n"));
    EXPECT_EQ(session.settings.fileFormat, FormatPzprv3);
    EXPECT_EQ(answerPicture(1), Rows{"3 3"});
    EXPECT_EQ(session.board.currentFilePath, (dir / "puzzle.txt").string());
    // A URL line is the puzzle; lines after it are not read. The format is kept.
    ASSERT_TRUE(loadBytes("https://puzz.link/p?numlin/2/1/22\r\nnot read\r\n"));
    EXPECT_EQ(session.settings.fileFormat, FormatPzprv3);
    EXPECT_EQ(clues(), Rows{"2 2"});
    // A single line that is no URL is still the clue line format; "v:" alone starts no
    // pzprv3 text.
    EXPECT_TRUE(loadBytes("w2h1n5n5"));
    EXPECT_EQ(session.settings.fileFormat, FormatKavrin);
    EXPECT_FALSE(loadBytes("v:x\n11\n"));
    EXPECT_EQ(session.settings.fileFormat, FormatNshaC);
    // Asked for explicitly, pzprv3 must be pzprv3.
    EXPECT_FALSE(loadBytes("w2h1n5n5", FormatPzprv3));
    // A text load names no file.
    ASSERT_TRUE(loadPuzzleText(session, "https://puzz.link/p?numlin/1/1/1"));
    EXPECT_EQ(session.board.currentFilePath, "");
}

} // namespace
} // namespace corvane
