#include "toolkit/high_resolution_picture.h"

#include <gtest/gtest.h>

#include <utility>

namespace startart {
namespace {

TEST(HighResolutionName, GoesBeforeTheExtensionOfTheFileNotOfAFolder) {
    const std::pair<const char*, const char*> names[] = {
        {"bilder\\knoepfe.bmp", "bilder\\knoepfe@2x.bmp"},
        {"titel.bild.jpg", "titel.bild@2x.jpg"},
        {"bilder.neu\\knopf", "bilder.neu\\knopf@2x"},
        {"bilder.neu/knopf", "bilder.neu/knopf@2x"},
    };
    for (const auto& [name, partner] : names) {
        EXPECT_EQ(HighResolutionName(name), partner) << name;
    }
}

}  // namespace
}  // namespace startart
