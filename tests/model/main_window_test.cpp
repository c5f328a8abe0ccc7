// The stop-step field as every implementation of the main-window operations reads it.
#include "model/main_window.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(MainWindowTest, StopStepReadsAtMost49Characters) {
    EXPECT_EQ(parseStopStep("5"), 5);
    EXPECT_EQ(parseStopStep("x"), 0);
    EXPECT_EQ(parseStopStep(std::string(48, '0') + "12"), 1); // the 50th character is cut
}

} // namespace
} // namespace corvane
