#include <gtest/gtest.h>

#include "test_medium.h"

namespace startart::testing {
namespace {

TEST(StartUp, ShowsTheMainWindowFromTheSettings) {
    StartedMenu menu;
    ASSERT_TRUE(menu.started);
    EXPECT_TRUE(menu.main().Visible());
    EXPECT_EQ(menu.main().Caption(), "  Demo");
    EXPECT_EQ(menu.main().Height(), 7200);
    EXPECT_EQ(menu.main().Width(), 9600);
    EXPECT_FALSE(menu.platform.exitStatus);
}

}  // namespace
}  // namespace startart::testing
