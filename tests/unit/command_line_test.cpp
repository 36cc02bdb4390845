#include "toolkit/command_line.h"

#include <gtest/gtest.h>

namespace startart {
namespace {

TEST(CommandLine, TheProgramIsTheQuotedOrTheFirstBlankSeparatedToken) {
    EXPECT_EQ(SplitCommandLine("reader\\setup.exe"), (CommandLineParts{"reader\\setup.exe", ""}));
    EXPECT_EQ(SplitCommandLine("  reader\\setup.exe \t/s /v\"x y\" "),
              (CommandLineParts{"reader\\setup.exe", "/s /v\"x y\" "}));
    EXPECT_EQ(SplitCommandLine("\"Reader 11\\Setup.exe\"/s"), (CommandLineParts{"Reader 11\\Setup.exe", "/s"}));
    EXPECT_EQ(SplitCommandLine("\"Reader 11\\Setup.exe"), (CommandLineParts{"Reader 11\\Setup.exe", ""}));
    EXPECT_EQ(SplitCommandLine(""), (CommandLineParts{"", ""}));
}

}  // namespace
}  // namespace startart
