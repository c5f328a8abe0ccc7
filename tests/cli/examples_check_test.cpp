// corvane-check on the example puzzles: the count each file is meant to have, and the same
// answer from every direction for the unique ones.
#include "cli/check_main.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace corvane {
namespace {

std::string runQuietly(const std::vector<std::string>& args, int& status) {
    char* buf = nullptr;
    std::size_t len = 0;
    std::FILE* out = open_memstream(&buf, &len);
    std::FILE* err = std::tmpfile();
    status = runCheck(args, out, err);
    std::fclose(out);
    std::fclose(err);
    std::string text(buf, len);
    std::free(buf);
    return text;
}

std::vector<std::string> exampleFiles(const std::string& prefix) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(CORVANE_EXAMPLES)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0 && entry.path().extension() == ".txt")
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(ExampleChecks, EachFileHasTheCountItsNameMeans) {
    const auto unique = exampleFiles("unique-"), two = exampleFiles("two-solutions-"),
               none = exampleFiles("no-solution-");
    ASSERT_FALSE(unique.empty());
    ASSERT_FALSE(two.empty());
    ASSERT_FALSE(none.empty());
    int status = -1;
    runQuietly(unique, status);
    EXPECT_EQ(status, 0);
    for (const std::string& f : two) {
        const std::string out = runQuietly({f}, status);
        EXPECT_EQ(out.substr(0, out.find('\n')), f + ": 解は2個でした。");
        EXPECT_EQ(status, 1);
    }
    for (const std::string& f : none) {
        const std::string out = runQuietly({"--json", f}, status);
        const bool refuted =
            out.find("\"status\":\"unsolvable\",\"message\":\"明らかに解がありません\"") !=
            std::string::npos;
        const bool zero =
            out.find("\"status\":\"none\",\"message\":\"解は0個でした。\"") != std::string::npos;
        EXPECT_TRUE(refuted || zero) << out;
        EXPECT_EQ(status, 1); // no solution is a verdict either way
    }
}

TEST(ExampleChecks, EveryDirectionGivesTheSameAnswerToEachUniqueExample) {
    for (const std::string& f : exampleFiles("unique-")) {
        std::string first;
        for (int d = 1022; d <= 1029; ++d) {
            int status = -1;
            const std::string out =
                runQuietly({"--json", "--solutions", "--direction", std::to_string(d), f}, status);
            EXPECT_EQ(status, 0) << f << " in " << d;
            const auto from = out.find("\"answers\":"), to = out.find(",\"status\"");
            ASSERT_NE(from, std::string::npos);
            const std::string answers = out.substr(from, to - from);
            if (d == 1022)
                first = answers;
            else
                EXPECT_EQ(answers, first) << f << " in " << d;
        }
    }
}

TEST(ExampleChecks, EachUrlListHasTheCountItsNameMeans) {
    const std::string folder = CORVANE_EXAMPLES;
    int status = -1;
    runQuietly({"--urls", folder + "/unique.url"}, status);
    EXPECT_EQ(status, 0);
    std::istringstream two(runQuietly({"--json", "--urls", folder + "/two-solutions.url"}, status));
    EXPECT_EQ(status, 1);
    int lines = 0;
    for (std::string line; std::getline(two, line); ++lines)
        EXPECT_THAT(line, ::testing::HasSubstr("\"solutions\":2,"));
    EXPECT_GE(lines, 1);
    EXPECT_THAT(runQuietly({"--json", "--urls", folder + "/no-solution.url"}, status),
                ::testing::Not(::testing::ContainsRegex("\"solutions\":[12]")));
}

} // namespace
} // namespace corvane
