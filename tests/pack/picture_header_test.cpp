#include "pack/picture_header.h"

#include <gtest/gtest.h>

#include "picture_files.h"

namespace startart::pack {
namespace {

// Written by ImageMagick: a red picture of 3 x 2 pixels.
const Bytes kPng = {0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44,
                    0x52, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x02, 0x00, 0x00, 0x00, 0x12,
                    0x16, 0xf1, 0x4d, 0x00, 0x00, 0x00, 0x10, 0x49, 0x44, 0x41, 0x54, 0x08, 0xd7, 0x63, 0xfc,
                    0xcf, 0x00, 0x05, 0x4c, 0x30, 0x06, 0x03, 0x00, 0x13, 0x29, 0x01, 0x03, 0x3b, 0xb1, 0x69,
                    0x1e, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
const Bytes kGif = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x03, 0x00, 0x02, 0x00, 0xf0, 0x00, 0x00, 0xff, 0x00,
                    0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
                    0x00, 0x00, 0x03, 0x00, 0x02, 0x00, 0x00, 0x02, 0x02, 0x84, 0x5f, 0x00, 0x3b};

Bytes Jpeg(std::uint8_t frameMarker, unsigned width, unsigned height) {
    Writer w;
    w.U8(0xFF).U8(0xD8);
    w.U8(0xFF).U8(0xE0).Be16(16).Text("JFIF").Zeros(10);
    w.U8(0xFF).U8(frameMarker).Be16(11).U8(8).Be16(height).Be16(width).U8(1).U8(1).U8(0x11).U8(0);
    w.U8(0xFF).U8(0xDA).Be16(8).U8(1).U8(1).U8(0).U8(0).U8(63).U8(0);
    w.U8(0x12).U8(0xFF).U8(0x00).U8(0x34);  // entropy-coded data with a stuffed FF
    return w.U8(0xFF).U8(0xD9).bytes;
}

// Little-endian, one strip of `stripBytes` at the end of the file.
Bytes Tiff(unsigned width, unsigned height, std::uint32_t stripBytes) {
    Writer w;
    w.Text("II").Le16(42).Le32(8);
    const std::uint32_t stripAt = 8 + 2 + 4 * 12 + 4;
    w.Le16(4);
    w.Le16(256).Le16(3).Le32(1).Le16(width).Le16(0);
    w.Le16(257).Le16(4).Le32(1).Le32(height);
    w.Le16(273).Le16(4).Le32(1).Le32(stripAt);
    w.Le16(279).Le16(4).Le32(1).Le32(stripBytes);
    w.Le32(0);
    return w.Zeros(stripBytes).bytes;
}

void ExpectSize(const Bytes& file, PictureFormat format, std::uint32_t width, std::uint32_t height) {
    const PictureHeader header = ReadPictureHeader(file);
    EXPECT_EQ(header.format, format);
    EXPECT_TRUE(header.Decodes());
    EXPECT_EQ(header.width, width);
    EXPECT_EQ(header.height, height);
}

void ExpectBroken(const Bytes& file, PictureFormat format) {
    const PictureHeader header = ReadPictureHeader(file);
    EXPECT_EQ(header.format, format);
    EXPECT_FALSE(header.Decodes());
}

TEST(PictureHeader, ReadsTheSizeOfEveryFormat) {
    ExpectSize(kPng, PictureFormat::kPng, 3, 2);
    ExpectSize(kGif, PictureFormat::kGif, 3, 2);
    ExpectSize(Bmp(40, 800, 160, 24, 0, 800 * 3 * 160), PictureFormat::kBmp, 800, 160);
    ExpectSize(Bmp(12, 5, 3, 8, 0, 8 * 3), PictureFormat::kBmp, 5, 3);         // OS/2 1.x
    ExpectSize(Bmp(64, 5, 3, 24, 0, 16 * 3), PictureFormat::kBmp, 5, 3);       // OS/2 2.x
    ExpectSize(Bmp(124, 7, -4, 32, 3, 7 * 4 * 4), PictureFormat::kBmp, 7, 4);  // V5, top-down
    ExpectSize(Bmp(108, 9, 2, 8, 1, 30), PictureFormat::kBmp, 9, 2);           // V4, run-length
    ExpectSize(Jpeg(0xC0, 640, 480), PictureFormat::kJpeg, 640, 480);
    ExpectSize(Jpeg(0xC2, 17, 9), PictureFormat::kJpeg, 17, 9);  // progressive
    ExpectSize(Tiff(300, 200, 50), PictureFormat::kTiff, 300, 200);
    ExpectSize(Icon(1, 64), PictureFormat::kIco, 32, 32);
}

TEST(PictureHeader, EveryCutShortFileDoesNotDecode) {
    const std::vector<Bytes> files = {
        kPng, kGif, Bmp(40, 4, 4, 24, 0, 48), Bmp(12, 4, 4, 1, 0, 16), Jpeg(0xC0, 8, 8), Tiff(8, 8, 64), Icon(1, 44)};
    for (const Bytes& file : files) {
        ASSERT_TRUE(ReadPictureHeader(file).Decodes());
        for (std::size_t length = 0; length < file.size(); ++length) {
            const Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
            EXPECT_FALSE(ReadPictureHeader(cut).Decodes()) << "format of " << file.size() << " bytes cut to " << length;
        }
    }
}

TEST(PictureHeader, BrokenStructuresAreNoticed) {
    Bytes badChecksum = kPng;
    badChecksum[20] ^= 1;  // the width inside IHDR, under its checksum
    ExpectBroken(badChecksum, PictureFormat::kPng);

    ExpectBroken(Bmp(40, 4, 4, 12, 0, 64), PictureFormat::kBmp);  // no such bit depth
    ExpectBroken(Bmp(40, 4, -4, 8, 1, 64), PictureFormat::kBmp);  // run-length data top-down
    ExpectBroken(Bmp(44, 4, 4, 24, 0, 64), PictureFormat::kBmp);  // unknown header size
    ExpectBroken(Bmp(64, 4, 4, 24, 4, 64), PictureFormat::kBmp);  // OS/2 RLE24
    ExpectBroken(Bmp(40, 0, 4, 24, 0, 64), PictureFormat::kBmp);  // no width

    ExpectBroken(Jpeg(0xC9, 8, 8), PictureFormat::kJpeg);  // arithmetic coding
    ExpectBroken(Jpeg(0xC0, 0, 8), PictureFormat::kJpeg);
    Writer shortFrame;  // a frame header too short to hold a size
    shortFrame.U8(0xFF).U8(0xD8).U8(0xFF).U8(0xC0).Be16(2).U8(0xFF).U8(0xDA).Be16(8).Zeros(6).U8(0xFF).U8(0xD9);
    ExpectBroken(shortFrame.bytes, PictureFormat::kJpeg);

    Bytes gifWithoutImage(kGif.begin(), kGif.begin() + 27);
    gifWithoutImage.push_back(0x3B);
    ExpectBroken(gifWithoutImage, PictureFormat::kGif);

    Bytes tiffStripOutside = Tiff(8, 8, 64);
    tiffStripOutside[8 + 2 + 2 * 12 + 8] = 0xF0;  // strip offset past the end
    ExpectBroken(tiffStripOutside, PictureFormat::kTiff);

    Bytes iconOfText = Icon(1, 64);
    iconOfText[6 + 2 * 16] = 'x';  // the first image is neither bitmap nor PNG
    ExpectBroken(iconOfText, PictureFormat::kIco);
}

TEST(PictureHeader, UnknownFilesHaveNoFormat) {
    for (const std::string& text : {std::string(), std::string("%PDF-1.4"), std::string("GIF90a"),
                                    std::string("\0\0\3\0", 4), std::string("{\\rtf1")}) {
        EXPECT_EQ(ReadPictureHeader(Bytes(text.begin(), text.end())).format, PictureFormat::kUnknown) << text;
    }
    // A cursor is built as an icon is, but the menu's imaging does not decode it.
    EXPECT_EQ(ReadPictureHeader(Icon(2, 64)).format, PictureFormat::kUnknown);
}

}  // namespace
}  // namespace startart::pack
