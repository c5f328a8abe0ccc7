// The status panel's lines and the elapsed-time format.
#include "app/status_text.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

SearchStatus statusOf(SearchState state, std::uint64_t steps, std::int64_t start,
                      std::uint64_t elapsed) {
    SearchStatus s;
    s.searchState = state;
    s.stepCount = steps;
    s.startTime = start;
    s.elapsedMs = elapsed;
    return s;
}

TEST(StatusTextTest, IdleShowsStepsAndUnmeasuredTimeOnly) {
    EXPECT_EQ(statusText(statusOf(SearchState::Idle, 0, 0, 0), 3),
              "ステップ数\n0\n経過時間\n--:--:--.---\n");
}

TEST(StatusTextTest, SolutionCountShownInEveryStateButIdle) {
    for (SearchState state :
         {SearchState::Running, SearchState::Finished, SearchState::PauseRequested}) {
        EXPECT_EQ(statusText(statusOf(state, 123456789012ULL, 77, 65123), 2),
                  "ステップ数\n123456789012\n経過時間\n00:01:05.123\n解の個数\n2\n")
            << static_cast<int>(state);
    }
}

TEST(StatusTextTest, PausedAddsTheNoticeAndAResumedSearchShowsNoTime) {
    EXPECT_EQ(statusText(statusOf(SearchState::Paused, 40000, 5, 1000), 0),
              "ステップ数\n40000\n経過時間\n00:00:01.000\n解の個数\n0\n一時停止中！\n");
    // A resumed search runs untimed: the time is no longer shown although one was measured.
    EXPECT_EQ(statusText(statusOf(SearchState::Running, 50000, 0, 1000), 1),
              "ステップ数\n50000\n経過時間\n--:--:--.---\n解の個数\n1\n");
}

TEST(StatusTextTest, VaryingCellCountComesLastWhenGiven) {
    EXPECT_EQ(statusText(statusOf(SearchState::Paused, 7, 0, 0), 3, 12),
              "ステップ数\n7\n経過時間\n--:--:--.---\n解の個数\n3\n一時停止中！\n相違マス数\n12\n");
    EXPECT_EQ(statusText(statusOf(SearchState::Idle, 0, 0, 0), 2, 0),
              "ステップ数\n0\n経過時間\n--:--:--.---\n相違マス数\n0\n");
}

TEST(StatusTextTest, ElapsedTimeFieldsRollOverAndHoursGrowPastTwoDigits) {
    EXPECT_EQ(elapsedTimeText(0), "00:00:00.000");
    EXPECT_EQ(elapsedTimeText(3599999), "00:59:59.999");
    EXPECT_EQ(elapsedTimeText(3600000), "01:00:00.000");
    EXPECT_EQ(elapsedTimeText(100ULL * 3600000 + 61001), "100:01:01.001");
    EXPECT_EQ(elapsedTimeText(UINT64_MAX), "5124095576030:25:51.615");
}

} // namespace
} // namespace corvane
