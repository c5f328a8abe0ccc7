// corvane-check: command line, reports, exit status, answers streamed in file order.
#include "base/utf8_text.h"
#include "cli/check_main.h"
#include "cli/check_options.h"
#include "cli/check_pictures.h"
#include "cli/check_runner.h"
#include "cli/check_sources.h"
#include "cli/check_window.h"
#include "formats/puzzle_reader.h"
#include "model/session.h"
#include "model/version.h"
#include "search/search_session.h"

#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace corvane {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;
using testing::TempDir;
using ::testing::UnorderedElementsAre;

struct Captured {
    int status = -1;
    std::string out;
    std::string err;
};

Captured runWith(const std::vector<std::string>& args) {
    char* outBuf = nullptr;
    char* errBuf = nullptr;
    std::size_t outLen = 0, errLen = 0;
    std::FILE* out = open_memstream(&outBuf, &outLen);
    std::FILE* err = open_memstream(&errBuf, &errLen);
    Captured c;
    c.status = runCheck(args, out, err);
    std::fclose(out);
    std::fclose(err);
    c.out.assign(outBuf, outLen);
    c.err.assign(errBuf, errLen);
    std::free(outBuf);
    std::free(errBuf);
    return c;
}

class CheckerFiles : public ::testing::Test {
  protected:
    TempDir dir;
    std::string file(const std::string& name, const std::string& text) {
        const auto path = dir / name;
        testing::writeBytes(path, text);
        return path.string();
    }
};

TEST(CheckOptions, AcceptsEveryOptionFormAndRefusesBadValues) {
    const auto ok = parseCheckOptions({"--format=nc", "--direction", "1025", "--limit", "3", "-j2",
                                       "--json", "--solutions", "--", "-odd"});
    ASSERT_TRUE(ok.options) << ok.error;
    EXPECT_EQ(ok.options->format, 2);
    EXPECT_EQ(ok.options->direction, 1025);
    EXPECT_EQ(ok.options->limit, 3u);
    EXPECT_EQ(ok.options->jobs, 2u);
    EXPECT_TRUE(ok.options->json && ok.options->solutions);
    EXPECT_EQ(ok.options->files, (std::vector<std::string>{"-odd"}));
    EXPECT_FALSE(ok.options->fillRule);
    EXPECT_TRUE(parseCheckOptions({"--rule=fill", "a"}).options->fillRule);

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--direction", "1030", "a"},
          {"--format", "xml", "a"},
          {"--limit", "-1", "a"},
          {"--limit"},
          {"-j", "0", "a"},
          {"--frobnicate", "a"},
          {"--cell", "7", "a"},
          {"--cell", "201", "a"},
          {"--svg=", "a"},
          {"--emit", "svg", "a"},
          {"--rule", "every", "a"},
          {"--urls"},
          {}}) {
        EXPECT_FALSE(parseCheckOptions(bad).options) << ::testing::PrintToString(bad);
    }
    EXPECT_TRUE(parseCheckOptions({"--help"}).options->help);
}

TEST(CheckOptions, UsageErrorsExitWithTwoAndHelpWithZero) {
    const Captured bad = runWith({"--limit", "x", "file"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("Usage: corvane-check"), std::string::npos);
    EXPECT_TRUE(bad.out.empty());
    const Captured help = runWith({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--solutions"), std::string::npos);
    // --version needs no file and checks none that are named.
    for (const auto& args : {std::vector<std::string>{"--version"}, {"--version", "missing.txt"}}) {
        const Captured version = runWith(args);
        EXPECT_EQ(std::pair(version.status, version.out),
                  std::pair(0, std::string("corvane-check ") + ProjectVersion + "\n"));
    }
}

TEST_F(CheckerFiles, ExitStatusFollowsTheWorstFile) {
    const std::string unique = file("unique.txt", "w4h4n1s2n1n2s2n2n3s2n3n4s2n4\r\n");
    const std::string blanks = file("blanks.txt", "w4h5s5n2s3n2s3n1s1n1\r\n");
    const std::string broken = file("broken.txt", "this is no puzzle\r\n");
    const std::string lonely = file("lonely.txt", "w3h1n1s1n2\r\n");

    const Captured one = runWith({unique});
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out.substr(0, one.out.find('\n')), unique + ": 解は1個でした。");
    EXPECT_NE(one.out.find("  steps 0, "), std::string::npos);

    EXPECT_EQ(runWith({unique, blanks}).status, 1);
    EXPECT_EQ(runWith({unique, blanks, broken}).status, 2);

    const Captured refused = runWith({"-j", "2", lonely, unique, broken});
    EXPECT_EQ(refused.status, 2);
    // One report per file, in the order the files were named.
    const std::string expectedStart = lonely + ": 1が1つしかありません\n";
    EXPECT_EQ(refused.out.substr(0, expectedStart.size()), expectedStart);
    const auto uniqueAt = refused.out.find(unique + ": 解は1個でした。");
    const auto brokenAt = refused.out.find(broken + ": ファイルのロードに失敗しました");
    EXPECT_NE(uniqueAt, std::string::npos);
    EXPECT_NE(brokenAt, std::string::npos);
    EXPECT_LT(uniqueAt, brokenAt);
}

TEST_F(CheckerFiles, JsonLinesCarryTheCountsAndTheDirectionSearched) {
    const std::string blanks = file("blanks.txt", "w4h5s5n2s3n2s3n1s1n1\r\n");
    const std::string two = file("two.txt", "w5h5s3n4s1n3n4s1n3s8n1n2n5s2n1n2n5\r\n");
    const Captured c = runWith({"--json", "--direction", "1024", blanks, two});
    EXPECT_EQ(c.status, 1);
    const std::string first = c.out.substr(0, c.out.find('\n'));
    EXPECT_EQ(first,
              "{\"file\":\"" + blanks +
                  "\",\"status\":\"unique_with_blanks\",\"message\":\"解は1個でしたが空白マス"
                  "があります。\",\"solutions\":1,\"steps\":8,\"elapsed_ms\":" +
                  first.substr(first.find("\"elapsed_ms\":") + 13,
                               first.find(",\"direction") - first.find("\"elapsed_ms\":") - 13) +
                  ",\"direction\":1024,\"rule\":\"standard\",\"varying_cells\":null}");
    EXPECT_NE(c.out.find("\"status\":\"multiple\",\"message\":\"解は2個でした。\",\"solutions\":2"),
              std::string::npos);

    const Captured limited = runWith({"--json", "--limit", "1", two});
    EXPECT_EQ(limited.status, 1);
    EXPECT_NE(limited.out.find("\"status\":\"limit_reached\""), std::string::npos);
    EXPECT_NE(limited.out.find("\"solutions\":1,"), std::string::npos);
}

TEST_F(CheckerFiles, LimitGivesTheResultWhenNothingIsLeftToSearch) {
    const std::string unique = file("unique.txt", "w4h4n1s2n1n2s2n2n3s2n3n4s2n4\r\n");
    const std::string two = file("two.txt", "w5h5s3n4s1n3n4s1n3s8n1n2n5s2n1n2n5\r\n");
    const std::string three = file("three.txt", "w6h6s4n2s1n2s3n1s5n3s2n3s7n1s8\r\n");
    const std::string cut =
        "limit_reached\",\"message\":\"解が2個見つかったので探索を打ち切りました。"
        "\",\"solutions\":2,";
    const struct {
        std::string file, direction, limit, expected; // expected: status, message and steps
        int exitStatus;
    } rows[] = {
        // The last solution leaves no choice on the trail: the search's own result.
        {unique, "1022", "1",
         "unique\",\"message\":\"解は1個でした。\",\"solutions\":1,\"steps\":0,", 0},
        {two, "1023", "2",
         "multiple\",\"message\":\"解は2個でした。\",\"solutions\":2,\"steps\":8,", 1},
        // A branch is left after the limit (empty here, full of solutions in the other).
        {two, "1022", "2", cut, 1},
        {three, "1022", "2", cut + "\"steps\":15,", 1},
    };
    for (const auto& row : rows)
        for (const char* threads : {"1", "3"}) { // the same verdict on one thread and on three
            const Captured c = runWith({"-j", threads, "--json", "--direction", row.direction,
                                        "--limit", row.limit, row.file});
            EXPECT_THAT(c.out, HasSubstr("\"status\":\"" + row.expected));
            EXPECT_EQ(c.status, row.exitStatus) << c.out;
        }
}

TEST(CheckThreads, AreSharedAmongTheFilesCheckedAtOnce) {
    struct Row {
        unsigned jobs;
        std::size_t files, index;
        unsigned expected;
    };
    for (const Row& row : {Row{8, 1, 0, 8}, Row{8, 3, 0, 3}, Row{8, 3, 1, 3}, Row{8, 3, 2, 2},
                           Row{3, 3, 2, 1}, Row{2, 5, 4, 1}, Row{1, 1, 0, 1}})
        EXPECT_EQ(searchThreadsForFile(row.jobs, row.files, row.index), row.expected)
            << row.jobs << " threads, file " << row.index + 1 << " of " << row.files;
}

TEST_F(CheckerFiles, FilesSearchedOnSeveralThreadsReportTheSerialResult) {
    const std::string sparse = file("sparse.txt", "w12h12s23n2n3s1n2s28n1s30n1s10n3\r\n");
    const std::string three = file("three.txt", "w6h6s4n2s1n2s3n1s5n3s2n3s7n1s8\r\n");
    // The exit status and the reports, the times left out.
    const auto report = [&](const char* threads, std::vector<std::string> args) {
        args.insert(args.begin(), {"-j", threads});
        args.insert(args.end(), {sparse, three, sparse});
        Captured c = runWith(args);
        for (auto at = c.out.find("\"elapsed_ms\":"); at != std::string::npos;
             at = c.out.find("\"elapsed_ms\":", at + 1))
            c.out.erase(at + 13, c.out.find(',', at) - at - 13);
        return std::to_string(c.status) + c.out;
    };
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{"--json", "--solutions"},
          {"--json", "--limit", "3"},
          {"--json", "--limit", "2", "--solutions"},
          {"--json", "--rule", "fill", "--solutions"}})
        EXPECT_EQ(report("7", options), report("1", options)) << ::testing::PrintToString(options);
}

TEST_F(CheckerFiles, EveryReportNamesTheRuleItJudgedBy) {
    const std::string full = file("full.txt", "w4h4n1s2n1n2s2n2n3s2n3n4s2n4\r\n");
    const std::string blanks = file("blanks.txt", "w4h5s5n2s3n2s3n1s1n1\r\n");
    const std::string broken = file("broken.txt", "this is no puzzle\r\n");
    const Captured fill = runWith({"--json", "--rule", "fill", full, blanks, broken});
    EXPECT_EQ(fill.status, 2);
    EXPECT_EQ(std::count(fill.out.begin(), fill.out.end(), '\n'), 3);
    std::size_t named = 0;
    for (auto at = fill.out.find("\"rule\":\"fill\""); at != std::string::npos;
         at = fill.out.find("\"rule\":\"fill\"", at + 1))
        ++named;
    EXPECT_EQ(named, 3u);
    EXPECT_THAT(fill.out, HasSubstr("\"status\":\"unique\""));
    // The only standard solution leaves cells empty: none is left under the rule.
    EXPECT_THAT(fill.out, Not(HasSubstr("unique_with_blanks")));

    const Captured plain = runWith({"--rule", "fill", full});
    EXPECT_EQ(plain.status, 0);
    EXPECT_THAT(plain.out, HasSubstr(", rule fill\n"));
    EXPECT_THAT(runWith({full}).out, Not(HasSubstr("rule")));
    EXPECT_THAT(runWith({"--json", full}).out, HasSubstr("\"rule\":\"standard\""));
    EXPECT_EQ(runWith({"--rule", "fill", blanks}).status, 1);
}

TEST_F(CheckerFiles, SolutionsAreStreamedAsRowsInBoardOrientation) {
    const std::string blanks = file("blanks.txt", "w4h5s5n2s3n2s3n1s1n1\r\n");
    const Captured c = runWith({"--json", "--solutions", "--direction", "1024", blanks});
    EXPECT_NE(c.out.find("\"answers\":[[[0,0,0,0],[0,2,0,0],[0,2,0,0],[0,1,1,1],[0,0,0,0]]]"),
              std::string::npos)
        << c.out;
    EXPECT_EQ(std::count(c.out.begin(), c.out.end(), '\n'), 1);

    const Captured plain = runWith({"--solutions", "--direction", "1024", blanks});
    EXPECT_EQ(plain.out.substr(0, plain.out.find("\n", plain.out.find(" 1 1 1"))),
              blanks + ": 解 No.1\n    . . . .\n    . 2 . .\n    . 2 . .\n    . 1 1 1");

    // A refused file still gets its JSON object, with an empty answer list.
    const std::string lonely = file("lonely.txt", "w3h1n1s1n2\r\n");
    const Captured none = runWith({"--json", "--solutions", lonely});
    EXPECT_NE(none.out.find("\"answers\":[],\"status\":\"refused\""), std::string::npos);
}

TEST_F(CheckerFiles, VaryingCellsTellWhereTheSolutionsFoundPart) {
    const std::string two = file("two.txt", "w4h3s4n1n2n2n1\r\n");
    const std::string three = file("three.txt", "w5h4s8n1s1n2n1n2s7\r\n");
    const struct {
        std::vector<std::string> args;
        std::string cells, grid; // "null" when there is nothing to compare
    } cases[] = {
        {{two}, "8", "[[1,1,1,1],[0,0,0,0],[1,1,1,1]]"},
        {{three}, "15", "[[1,1,1,1,1],[1,1,1,0,1],[0,0,0,1,1],[1,1,1,1,0]]"},
        // The first two solutions in this direction part in 12 cells.
        {{"--limit", "2", "--direction", "1027", three},
         "12",
         "[[1,1,1,1,1],[1,0,0,0,1],[0,0,0,1,1],[1,1,1,0,0]]"},
        {{"--limit", "1", three}, "null", "null"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const auto run = [&c](std::vector<std::string> options) {
            options.insert(options.end(), c.args.begin(), c.args.end());
            return runWith(options).out;
        };
        const std::string count = ",\"varying_cells\":" + c.cells;
        EXPECT_THAT(run({"--json", "--solutions"}),
                    EndsWith(count + ",\"varying\":" + c.grid + "}\n"));
        EXPECT_THAT(run({"--json"}), EndsWith(count + "}\n")); // the grid only with --solutions
        const std::string plain = run({});
        EXPECT_EQ(plain.substr(plain.find('\n', plain.find("  steps ")) + 1),
                  c.cells == "null" ? "" : "  varying cells " + c.cells + "\n");
    }
}

TEST_F(CheckerFiles, ContradictingCluesAreAVerdictNotAFailure) {
    // Pairs 1 and 2 must cross on a 2 x 2 board: the clues alone show there is no solution.
    const std::string crossing = file("crossing.txt", "w2h2n1n2n2n1\r\n");
    const Captured c = runWith({"--json", crossing});
    EXPECT_EQ(c.status, 1);
    EXPECT_THAT(c.out, StartsWith("{\"file\":\"" + crossing +
                                  "\",\"status\":\"unsolvable\",\"message\":\"明らかに解が"
                                  "ありません\",\"solutions\":0,\"steps\":0,\"elapsed_ms\":0,"));
}

TEST_F(CheckerFiles, JsonStaysValidUtf8ForANameThatIsNotAndGivesItsBytes) {
    // Stray, cut-off, overlong and surrogate sequences: one U+FFFD per byte; others are kept.
    EXPECT_EQ(jsonString("a\xff\x80z\xe5\x95|\xc0\xaf|\xed\xa0\x80|問\"\x01"),
              "\"a\uFFFD\uFFFDz\uFFFD\uFFFD|\uFFFD\uFFFD|\uFFFD\uFFFD\uFFFD|問\\\"\\u0001\"");
    const std::string name = file("bad\xff\x80.txt", "w4h4n1s2n1n2s2n2n3s2n3n4s2n4\r\n");
    const std::string out = runWith({"--json", name}).out;
    const std::string line = out.substr(0, out.find('\n'));
    EXPECT_EQ(codePointsToUtf8(utf8ToCodePoints(line)), line); // valid UTF-8 throughout
    std::string hex;
    for (unsigned char b : name) {
        hex += "0123456789abcdef"[b >> 4];
        hex += "0123456789abcdef"[b & 15];
    }
    EXPECT_THAT(line, StartsWith("{\"file\":\"" + dir.path().string() +
                                 "/bad\uFFFD\uFFFD.txt\",\"file_bytes\":\"" + hex + "\","));
}

TEST_F(CheckerFiles, KeepsNoAnswerWhilePrintingEach) {
    const std::string two = file("two.txt", "w5h5s3n4s1n3n4s1n3s8n1n2n5s2n1n2n5\r\n");
    CheckWindow window(1022);
    Session session(window, nullptr);
    session.board.currentFilePath = two;
    auto search = std::make_unique<SearchSession>();
    std::vector<std::uint64_t> printed;
    ASSERT_TRUE(loadPuzzleFile(session, FormatAuto));
    const CheckResult r = searchBoard(
        session, *search, window, 0, [&](const Answer&, std::uint64_t k) { printed.push_back(k); });
    EXPECT_EQ(r.status, CheckStatus::Multiple);
    EXPECT_EQ(r.solutions, 2u);
    EXPECT_EQ(printed, (std::vector<std::uint64_t>{1, 2}));
    EXPECT_TRUE(session.board.solutions.empty());
}

TEST_F(CheckerFiles, WritesNothingBesideThePuzzles) {
    const std::string unique = file("unique.txt", "w4h4n1s2n1n2s2n2n3s2n3n4s2n4\r\n");
    runWith({"--format", "kavrin", unique});
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"unique.txt"}));
}

TEST(CheckPictures, NamesAreBaseNamesOrUrlNumbersAndNeverClash) {
    EXPECT_EQ(pictureNames({"a/unique-5x5.nsha.txt", "b/unique-5x5.nsha.txt", "https://x/p?id=1",
                            "plain", "HTTP://y/", "dir/", "c/x.answer.txt", "d/x.txt"}),
              (std::vector<std::string>{"unique-5x5.nsha", "unique-5x5.nsha-2", "url-1", "plain",
                                        "url-2", "puzzle", "x.answer", "x-2"}));
}

/// How often `what` occurs in `text`.
std::size_t countOf(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST_F(CheckerFiles, SvgWritesEachLoadedPuzzleAndItsFirstSolution) {
    const auto out = dir / "out" / "pictures";
    const Captured c =
        runWith({"--svg", out.string(), "--cell=20", "-j2",
                 file("unique.txt", "w4h4n1s2n1n2s2n2n3s2n3n4s2n4\r\n"),
                 file("two.kavrin.txt", "w5h5s3n4s1n3n4s1n3s8n1n2n5s2n1n2n5\r\n"),
                 file("lonely.txt", "w3h1n1s1n2\r\n"), file("broken.txt", "no puzzle\r\n")});
    EXPECT_EQ(c.status, 2); // the refused and the unreadable file, as without pictures
    EXPECT_THAT(c.err, Not(HasSubstr("cannot"))); // only the read's reason
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(out))
        names.push_back(entry.path().filename().string());
    EXPECT_THAT(names, UnorderedElementsAre("lonely.svg", "two.kavrin.answer.svg", "two.kavrin.svg",
                                            "unique.answer.svg", "unique.svg"));
    const std::string answer = testing::readBytes(out / "unique.answer.svg");
    EXPECT_THAT(answer, HasSubstr("width=\"100\" height=\"100\"")); // 4 cells of 20
    EXPECT_EQ(countOf(answer, "<polyline"), 4u);
    EXPECT_EQ(countOf(testing::readBytes(out / "unique.svg"), "<polyline"), 0u);
}

TEST_F(CheckerFiles, SvgWriteFailuresAreReportedAndExitWithTwo) {
    const std::string unique = file("unique.txt", "w4h4n1s2n1n2s2n2n3s2n3n4s2n4\r\n");
    const Captured noFolder = runWith({"--svg", unique, unique});
    EXPECT_EQ(noFolder.status, 2);
    EXPECT_THAT(noFolder.err, StartsWith("corvane-check: cannot create folder " + unique + ": "));

    // A folder where the answer's picture should go: the puzzle's picture is still written.
    std::filesystem::create_directories(dir / "out" / "unique.answer.svg");
    const Captured blocked = runWith({"--svg", (dir / "out").string(), unique});
    EXPECT_EQ(blocked.status, 2);
    EXPECT_EQ(blocked.err, "corvane-check: cannot write " +
                               (dir / "out" / "unique.answer.svg").string() +
                               ": not a regular file that can be replaced\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "out" / "unique.svg"));
    EXPECT_THAT(blocked.out, HasSubstr("解は1個でした。"));
}

TEST(CheckOptions, TakesUrlListsAndThePzprv3Format) {
    const auto ok = parseCheckOptions({"--urls", "a.url", "--urls=-", "--format", "pzprv3"});
    ASSERT_TRUE(ok.options) << ok.error;
    EXPECT_EQ(ok.options->urlLists, (std::vector<std::string>{"a.url", "-"}));
    EXPECT_EQ(ok.options->format, FormatPzprv3);
}

/// A puzzle with two solutions (pair 1 round pair 2 above or below) as a URL.
const std::string TwoSolutionsUrl = "https://puzz.link/p?numlin/4/3/j1221j";

TEST_F(CheckerFiles, UrlsAreCheckedLikeFilesAndReportTheirTexts) {
    const Captured c = runWith(
        {"--json", "--emit", "url", "--emit", "pzprv3", "--direction", "1022", TwoSolutionsUrl});
    EXPECT_EQ(c.status, 1);
    EXPECT_THAT(c.out, StartsWith("{\"file\":\"" + TwoSolutionsUrl + "\",\"status\":\"multiple\""));
    // The URL, and the first solution's lines: pair 1 over the top row.
    EXPECT_THAT(c.out, EndsWith(",\"url\":\"" + TwoSolutionsUrl +
                                "\",\"pzprv3\":\"pzprv3\\nnumlin\\n3\\n4\\n. . . . \\n1 2 2 1 \\n. "
                                ". . . \\n1 1 1 \\n0 1 0 \\n0 0 0 \\n1 0 0 1 \\n0 0 0 0 \\n\"}\n"));

    // A puzzle without solutions: the puzzle alone; plain output carries both texts as lines.
    const std::string none = "https://puzz.link/p?numlin/2/2/1221";
    EXPECT_THAT(runWith({"--emit", "url", "--emit", "pzprv3", none}).out,
                HasSubstr("  url " + none + "\npzprv3\nnumlin\n2\n2\n1 2 \n2 1 \n0 \n0 \n0 0 \n"));

    // A URL that cannot be read: the load failure, its reason on the error output.
    const std::string broken = "https://puzz.link/p?numlin/4/3/j12-";
    const Captured bad = runWith({"--json", "--emit", "url", broken});
    EXPECT_EQ(bad.status, 2);
    EXPECT_THAT(
        bad.out,
        HasSubstr("\"status\":\"load_failed\",\"message\":\"ファイルのロードに失敗しました\""));
    EXPECT_THAT(bad.out, EndsWith(",\"url\":null}\n"));
    EXPECT_EQ(bad.err, "corvane-check: " + broken + ": the number after '-' is cut off\n");
}

TEST_F(CheckerFiles, WhatAReadTakesOtherwiseIsAWarningAndAUrlBrokenByALineBreakIsRefused) {
    const std::string wip = file("wip.txt", "pzprv3\r\nnumlin\r\n1\r\n4\r\n1 1 2 2 \r\n"
                                            "1 0 0 \r\n");
    const struct {
        std::string source;
        int status;
        std::string err; // after "corvane-check: SOURCE: "
    } cases[] = {
        {"https://puzz.link/p?numlin/3/1/11", 1,
         "warning: the body ends at cell 2 of 3; the rest is read as empty\n"},
        {wip, 0,
         "warning: the lines are not paths between equal clues: the clue at row 1, column 3 "
         "has no line\n"},
        {"https://puzz.link/p?numlin/3/1/1\n1", 2, "the URL is broken by a line break\n"},
        {"https://puzz.link/p?numlin/3/1/1\r\n1", 2, "the URL is broken by a line break\n"},
        {"https://puzz.link/p?numlin/3/1/1g1\n", 0, ""},
    };
    for (const auto& c : cases) {
        const Captured run = runWith({c.source});
        EXPECT_EQ(run.status, c.status) << c.source;
        EXPECT_EQ(run.err, c.err.empty() ? "" : "corvane-check: " + c.source + ": " + c.err);
    }
}

TEST_F(CheckerFiles, UrlListsAreReadInOrderSkippingBlankAndCommentLines) {
    const std::string list =
        file("puzzles.url", "# two puzzles\r\n\r\n  " + TwoSolutionsUrl + "  \r\n#x\n" +
                                "https://puzz.link/p?numlin/2/1/11");
    const std::string single = file("single.txt", "w4h4n1s2n1n2s2n2n3s2n3n4s2n4\r\n");
    const Captured c = runWith({"--urls", list, single});
    EXPECT_EQ(c.status, 1);
    const auto fileAt = c.out.find(single + ": "), twoAt = c.out.find(TwoSolutionsUrl + ": "),
               uniqueAt = c.out.find("https://puzz.link/p?numlin/2/1/11: 解は1個でした。");
    ASSERT_NE(uniqueAt, std::string::npos) << c.out;
    EXPECT_LT(fileAt, twoAt);
    EXPECT_LT(twoAt, uniqueAt);

    // "-" reads the list from standard input.
    CheckOptions options;
    options.urlLists = {"-"};
    std::FILE* in = std::tmpfile();
    std::fputs("#\nhttps://a?numlin/1/1/1\n\nhttps://b?numlin/1/1/2", in);
    std::rewind(in);
    std::string error;
    ASSERT_TRUE(readUrlLists(options, in, error));
    std::fclose(in);
    EXPECT_EQ(options.files,
              (std::vector<std::string>{"https://a?numlin/1/1/1", "https://b?numlin/1/1/2"}));

    const Captured missing = runWith({"--urls", (dir / "missing.url").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_THAT(missing.err, HasSubstr("cannot read the URL list"));
    // A list that opens but cannot be read (a folder) fails the run, whatever else is checked.
    const Captured folder = runWith({"--urls", dir.path().string(), single});
    EXPECT_EQ(folder.status, 2);
    EXPECT_EQ(folder.out, "");
    EXPECT_THAT(folder.err, HasSubstr("cannot read the URL list " + dir.path().string()));
    const Captured empty = runWith({"--urls", file("empty.url", "# nothing\n")});
    EXPECT_EQ(empty.status, 2);
    EXPECT_THAT(empty.err, HasSubstr("no puzzle file or URL given"));
}

} // namespace
} // namespace corvane
