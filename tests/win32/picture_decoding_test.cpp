// Pictures decoded with WIC: every format a medium may bring, made by
// ImageMagick at build time (a red left half and a blue right half, 32 x 16),
// the errors for missing and broken files, scaling, and icons.
#include <windows.h>

#include <gtest/gtest.h>

#include "basic/runtime_error.h"
#include "pictures/win32_picture.h"
#include "test_files.h"
#include "text.h"
#include "toolkit/pixel_image.h"
#include "win32_platform.h"

namespace startart::win32 {
namespace {

using testing::TestProgramFolder;

bool Near(std::uint32_t pixel, std::uint32_t expected) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = static_cast<int>((pixel >> shift) & 0xFF);
        const int b = static_cast<int>((expected >> shift) & 0xFF);
        if (std::abs(a - b) > 24) {
            return false;
        }
    }
    return true;
}

std::string Fixture(const std::string& name) {
    return Narrow((TestProgramFolder() / "pictures" / name).wstring());
}

int ErrorNumberOf(Win32Platform& platform, const std::string& path) {
    try {
        platform.LoadPicture(path);
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

class PictureDecoding : public ::testing::TestWithParam<const char*> {
  protected:
    Win32Platform platform_;
};

TEST_P(PictureDecoding, GivesThePixelsOfTheFile) {
    const Picture picture = platform_.LoadPicture(Fixture(std::string("halves.") + GetParam()));
    const Win32Picture* decoded = PictureOf(picture);
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(picture.Size(), (PixelSize{32, 16}));
    EXPECT_PRED2(Near, decoded->Image().At(4, 8), 0xFFFF0000u);
    EXPECT_PRED2(Near, decoded->Image().At(27, 8), 0xFF0000FFu);
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, PictureDecoding, ::testing::Values("bmp", "gif", "jpg", "png", "tif", "ico"));

TEST(PictureLoading, TransparentPixelsArePremultiplied) {
    Win32Platform platform;
    const Picture picture = platform.LoadPicture(Fixture("half-transparent.png"));
    const PixelImage& image = PictureOf(picture)->Image();
    EXPECT_EQ(image.At(0, 0), 0u);
    EXPECT_PRED2(Near, image.At(1, 0), 0x80800000u);
}

// A BMP whose header claims 60000 x 60000 pixels of 24 bits, followed by a
// few KB: without a limit the decoder would ask for 14 GB.
std::vector<unsigned char> HugeBmpHeader() {
    std::vector<unsigned char> bytes(14 + 40 + 4096, 0);
    const auto put32 = [&](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
        }
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<std::uint32_t>(bytes.size()));
    put32(10, 14 + 40);
    put32(14, 40);
    put32(18, 60000);
    put32(22, 60000);
    bytes[26] = 1;
    bytes[28] = 24;
    return bytes;
}

TEST(PictureLoading, AMissingFileIsError53AndAFileWithoutAPictureOrWithTooManyPixelsIs481) {
    Win32Platform platform;
    testing::TempFolder folder;
    testing::WriteBytes(folder / "kein bild.bmp", {'k', 'e', 'i', 'n'});
    testing::WriteBytes(folder / "riesig.bmp", HugeBmpHeader());
    EXPECT_EQ(ErrorNumberOf(platform, folder.Utf8() + "\\fehlt.bmp"), error::kFileNotFound);
    EXPECT_EQ(ErrorNumberOf(platform, folder.Utf8() + "\\kein bild.bmp"), error::kInvalidPicture);
    EXPECT_EQ(ErrorNumberOf(platform, folder.Utf8() + "\\riesig.bmp"), error::kInvalidPicture);
    EXPECT_EQ(ErrorNumberOf(platform, folder.Utf8()), error::kFileNotFound);
}

TEST(PictureLoading, FileNamesWithUmlautsAreFound) {
    Win32Platform platform;
    testing::TempFolder folder;
    std::filesystem::copy_file(TestProgramFolder() / "pictures" / "halves.bmp", folder.Path() / L"Bild \u00fc.bmp");
    EXPECT_EQ(platform.LoadPicture(folder.Utf8() + "\\Bild ü.bmp").Size(), (PixelSize{32, 16}));
}

// The scaler works on SSE vectors in the heap, which a 32-bit program's heap
// aligns less than the processor demands unless the program asks for it.
TEST(PictureScaling, AnySizeScalesToAnyOtherAndKeepsAPlainColour) {
    constexpr std::uint32_t kColour = 0xFF3070B0;
    const PixelSize sizes[] = {{1, 1}, {2, 2}, {3, 5}, {17, 9}, {32, 16}, {465, 457}, {641, 479}};
    for (const PixelSize from : sizes) {
        const PixelImage source{
            from, std::vector<std::uint32_t>(static_cast<std::size_t>(from.width * from.height), kColour)};
        for (const PixelSize to : sizes) {
            const PixelImage scaled = ScaledImage(source, to);
            ASSERT_EQ(scaled.size, to);
            EXPECT_EQ(scaled.At(0, 0), kColour);
            EXPECT_EQ(scaled.At(to.width - 1, to.height - 1), kColour);
        }
    }
}

TEST(Icons, AnIconFileAndAnyOtherPictureGiveIconsOfEverySize) {
    Win32Platform platform;
    for (const char* name : {"halves.ico", "halves.png", "halves.bmp", "halves.jpg"}) {
        const Picture picture = platform.LoadPicture(Fixture(name));
        for (const int edge : {16, 32}) {
            const UniqueIcon icon = PictureOf(picture)->MakeIcon(edge);
            ASSERT_TRUE(icon) << name;
            ICONINFO info{};
            ASSERT_TRUE(GetIconInfo(icon.get(), &info));
            BITMAP bitmap{};
            GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
            EXPECT_EQ(bitmap.bmWidth, edge) << name;
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
    }
}

TEST(Icons, TheDesignIconIsTheProgramsOwnThirtyTwoPixelIcon) {
    Win32Platform platform;
    const Picture icon = platform.DesignIcon();
    EXPECT_EQ(icon.Size(), (PixelSize{32, 32}));
    EXPECT_TRUE(PictureOf(icon)->MakeIcon(32));
}

}  // namespace
}  // namespace startart::win32
