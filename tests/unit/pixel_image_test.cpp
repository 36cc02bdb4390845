#include "toolkit/pixel_image.h"

#include <gtest/gtest.h>

namespace startart {
namespace {

PixelImage Filled(PixelSize size, const std::vector<std::uint32_t>& pixels) {
    return PixelImage{size, pixels};
}

TEST(ScaledImage, ShrinkingAveragesTheCoveredPixels) {
    // Two white and two black columns become one grey pixel per pair of
    // columns only where both colours fall into it.
    const PixelImage source = Filled({4, 1}, {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFF000000u, 0xFF000000u});
    EXPECT_EQ(ScaledImage(source, {2, 1}).pixels, (std::vector<std::uint32_t>{0xFFFFFFFFu, 0xFF000000u}));
    EXPECT_EQ(ScaledImage(source, {1, 1}).pixels, (std::vector<std::uint32_t>{0xFF808080u}));
    // Three target pixels over four source pixels: the middle one straddles.
    EXPECT_EQ(ScaledImage(source, {3, 1}).pixels, (std::vector<std::uint32_t>{0xFFFFFFFFu, 0xFF808080u, 0xFF000000u}));
}

TEST(ScaledImage, EnlargingInterpolatesBetweenPixelCentres) {
    const PixelImage source = Filled({2, 1}, {0xFF000000u, 0xFFC8C8C8u});
    const PixelImage scaled = ScaledImage(source, {4, 1});
    // The outer pixels keep their colour; the inner ones lie between.
    EXPECT_EQ(scaled.pixels[0], 0xFF000000u);
    EXPECT_EQ(scaled.pixels[1], 0xFF323232u);
    EXPECT_EQ(scaled.pixels[2], 0xFF969696u);
    EXPECT_EQ(scaled.pixels[3], 0xFFC8C8C8u);
}

TEST(ScaledImage, ScalesBothAxesAndKeepsAPlainColourExact) {
    const PixelImage source = Filled({3, 5}, std::vector<std::uint32_t>(15, 0xFF204080u));
    const PixelImage scaled = ScaledImage(source, {7, 2});
    EXPECT_EQ(scaled.size, (PixelSize{7, 2}));
    EXPECT_EQ(scaled.pixels, std::vector<std::uint32_t>(14, 0xFF204080u));
}

TEST(ScaledImage, AnEmptySourceGivesATransparentImageOfTheTargetSize) {
    const PixelImage scaled = ScaledImage(PixelImage{}, {2, 2});
    EXPECT_EQ(scaled.pixels, std::vector<std::uint32_t>(4, 0u));
}

TEST(Backdrop, PutsThePictureOverTheColourAndCutsItOff) {
    // An opaque red pixel, a clear one and a half-transparent blue one.
    const PixelImage picture = Filled({3, 1}, {0xFFFF0000u, 0x00000000u, 0x80000080u});
    const PixelImage box = Backdrop({4, 2}, OpaquePixel(0, 0xFF, 0), picture);
    EXPECT_EQ(box.At(0, 0), 0xFFFF0000u);
    EXPECT_EQ(box.At(1, 0), 0xFF00FF00u);
    EXPECT_EQ(box.At(2, 0), 0xFF007F80u);
    EXPECT_EQ(box.At(3, 0), 0xFF00FF00u);
    EXPECT_EQ(box.At(0, 1), 0xFF00FF00u);
    EXPECT_EQ(Backdrop({1, 1}, 0, picture).pixels, (std::vector<std::uint32_t>{0xFFFF0000u}));
}

}  // namespace
}  // namespace startart
