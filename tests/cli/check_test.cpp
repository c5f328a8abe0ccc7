// corvane-check: command line, reports, exit status, answers streamed in file order.
#include "cli/check_main.h"
#include "cli/check_options.h"
#include "cli/check_runner.h"
#include "cli/check_window.h"
#include "model/puzzle_reader.h"
#include "model/session.h"
#include "search/search_session.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace corvane {
namespace {

using testing::TempDir;

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

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--direction", "1030", "a"},
          {"--format", "xml", "a"},
          {"--limit", "-1", "a"},
          {"--limit"},
          {"-j", "0", "a"},
          {"--frobnicate", "a"},
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
                  ",\"direction\":1024}");
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
    struct Row {
        std::string file, direction, limit, expected; // expected: status, message and steps
        int exitStatus;
    };
    const std::vector<Row> rows{
        // The last solution leaves no choice on the trail: the search's own result.
        {unique, "1022", "1",
         "unique\",\"message\":\"解は1個でした。\",\"solutions\":1,\"steps\":0,", 0},
        {two, "1023", "2",
         "multiple\",\"message\":\"解は2個でした。\",\"solutions\":2,\"steps\":8,", 1},
        // A branch is left after the limit (empty here, full of solutions in the other).
        {two, "1022", "2",
         "limit_reached\",\"message\":\"解が2個見つかったので探索を打ち切りました。\","
         "\"solutions\":2,",
         1},
        {three, "1022", "2",
         "limit_reached\",\"message\":\"解が2個見つかったので探索を打ち切りました。\","
         "\"solutions\":2,\"steps\":15,",
         1},
    };
    for (const Row& row : rows)
        for (const char* threads : {"1", "3"}) { // the same verdict on one thread and on three
            const Captured c = runWith({"-j", threads, "--json", "--direction", row.direction,
                                        "--limit", row.limit, row.file});
            EXPECT_NE(c.out.find("\"status\":\"" + row.expected), std::string::npos) << c.out;
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
    const auto withoutTimes = [](std::string text) {
        for (std::size_t at = text.find("\"elapsed_ms\":"); at != std::string::npos;
             at = text.find("\"elapsed_ms\":", at + 1))
            text.erase(at + 13, text.find(',', at) - at - 13);
        return text;
    };
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{"--json", "--solutions"},
          {"--json", "--limit", "3"},
          {"--json", "--limit", "2", "--solutions"}}) {
        std::vector<std::string> serial = options, parallel = options;
        for (const std::string& f : {sparse, three, sparse}) {
            serial.push_back(f);
            parallel.push_back(f);
        }
        serial.insert(serial.begin(), {"-j", "1"});
        parallel.insert(parallel.begin(), {"-j", "7"});
        const Captured one = runWith(serial), seven = runWith(parallel);
        EXPECT_EQ(withoutTimes(seven.out), withoutTimes(one.out))
            << ::testing::PrintToString(options);
        EXPECT_EQ(seven.status, one.status);
    }
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

} // namespace
} // namespace corvane
