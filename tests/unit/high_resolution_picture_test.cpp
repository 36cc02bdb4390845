#include "toolkit/high_resolution_picture.h"

#include <gtest/gtest.h>

namespace startart {
namespace {

TEST(HighResolutionName, GoesBeforeTheExtensionOfTheFileNotOfAFolder) {
    EXPECT_EQ(HighResolutionName("bilder\\knoepfe.bmp"), "bilder\\knoepfe@2x.bmp");
    EXPECT_EQ(HighResolutionName("titel.bild.jpg"), "titel.bild@2x.jpg");
    EXPECT_EQ(HighResolutionName("bilder.neu\\knopf"), "bilder.neu\\knopf@2x");
    EXPECT_EQ(HighResolutionName("bilder.neu/knopf"), "bilder.neu/knopf@2x");
}

}  // namespace
}  // namespace startart
