#include "toolkit/print_log.h"

#include <gtest/gtest.h>

namespace startart {
namespace {

using Drawing = PrintLog::Drawing;

const PrintedText kLabel{"Katalog", {20, 4}, Font{"Arial", 10, true}, 0xFFFFFF, 0};

TEST(PrintLog, AClsThatTheSamePrintFollowsChangesNothing) {
    PrintLog log;
    EXPECT_EQ(log.Print(kLabel), Drawing::kText);
    log.Cls();
    EXPECT_EQ(log.Print(kLabel), Drawing::kNone);
    // Nothing is left to clear, and the text still counts as shown.
    EXPECT_FALSE(log.TakeCls());
    log.Cls();
    EXPECT_EQ(log.Print(kLabel), Drawing::kNone);
}

TEST(PrintLog, AnythingThatDrawsOtherwiseClearsFirst) {
    PrintedText otherColor = kLabel;
    otherColor.color = 0x0000FF;
    PrintedText otherSpacing = kLabel;
    otherSpacing.characterExtra = 2;
    PrintedText otherFont = kLabel;
    otherFont.font.bold = false;
    for (const PrintedText& other : {otherColor, otherSpacing, otherFont}) {
        PrintLog log;
        log.Print(kLabel);
        log.Cls();
        EXPECT_EQ(log.Print(other), Drawing::kClearThenText);
        EXPECT_EQ(log.Print(kLabel), Drawing::kText);
    }
}

TEST(PrintLog, OnlyAWholeRepeatSparesTheCls) {
    PrintLog log;
    log.Print(kLabel);
    log.Print(kLabel);
    log.Cls();
    // The box shows two texts; printing one of them again must lose the other.
    EXPECT_EQ(log.Print(kLabel), Drawing::kClearThenText);

    log.Cls();
    EXPECT_TRUE(log.TakeCls());
    EXPECT_EQ(log.Print(kLabel), Drawing::kText);

    log.Cls();
    log.Reset();
    EXPECT_FALSE(log.TakeCls());
    EXPECT_EQ(log.Print(kLabel), Drawing::kText);
}

}  // namespace
}  // namespace startart
