// The menu moved to displays of other DPIs, as Windows moves a window: it
// asks for the window's size at the new DPI, then tells the DPI with the
// rectangle it suggests. Wine has one display and sends neither, so the
// tests send them. Pictures made for high resolution beside the medium's
// own are drawn above 100 % only.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

#include "running_menu.h"
#include "window_peers/window.h"

namespace startart::win32 {
namespace {

using namespace std::chrono_literals;

constexpr UINT kGetDpiScaledSize = 0x02E4;
// The pictures for high resolution: other colours than the medium's own,
// so that a pixel tells which was drawn.
constexpr std::uint32_t kSharpTitle = 0x00FFFF;
constexpr std::uint32_t kSharpButtonRows[4] = {0x802040, 0xFF80C0, 0x204020, 0xC0FFC0};

int Width(const RECT& rect) {
    return rect.right - rect.left;
}

int Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

void MoveToDpi(testing::RunningMenu& menu, HWND window, int dpi, POINT to) {
    SIZE size{};
    ASSERT_TRUE(SendMessageW(window, kGetDpiScaledSize, static_cast<WPARAM>(dpi), reinterpret_cast<LPARAM>(&size)));
    RECT suggested{to.x, to.y, to.x + size.cx, to.y + size.cy};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    menu.PumpFor(200ms);
}

// How wide the label's ink is in a button: the columns that show the label
// colour of the sample settings.
int LabelInkWidth(const testing::ClientPixels& pixels, const RECT& button) {
    int left = button.right;
    int right = button.left;
    for (int y = button.top; y < button.bottom; ++y) {
        for (int x = button.left; x < button.right; ++x) {
            if (testing::SimilarColour(pixels.At(x, y), 0xFFFF00, 64)) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
            }
        }
    }
    return right - left;
}

class DisplayScaleTest : public ::testing::Test {
  protected:
    explicit DisplayScaleTest(const std::function<void(const testing::TempFolder&)>& prepare = nullptr)
        : menu_(testing::MediumSettings(), prepare), form_(menu_.MainWindow()), window_(WindowOf(&form_)) {}

    void SetUp() override {
        ASSERT_TRUE(menu_.PumpUntil([&] { return IsWindowVisible(window_) && !form_.Timer1.Enabled(); }));
        menu_.PumpFor(100ms);
    }

    testing::RunningMenu menu_;
    MainWindow& form_;
    HWND window_;
};

TEST_F(DisplayScaleTest, AtAnotherDpiTheWindowAndAllInItAreScaledAndBackAtTheFirstNothingHasChanged) {
    RECT at96;
    GetWindowRect(window_, &at96);
    const RECT button96 = menu_.ButtonRect(0);
    const testing::ClientPixels before(window_);

    // Where the whole window is on the screen, which the test reads.
    MoveToDpi(menu_, window_, 144, POINT{0, 0});
    RECT at144;
    GetWindowRect(window_, &at144);
    EXPECT_LE(std::abs(Width(at144) - Width(at96) * 3 / 2), 3);
    EXPECT_LE(std::abs(Height(at144) - Height(at96) * 3 / 2), 3);
    const RECT button144 = menu_.ButtonRect(0);
    EXPECT_LE(std::abs(button144.left - button96.left * 3 / 2), 2);
    EXPECT_LE(std::abs(button144.top - button96.top * 3 / 2), 2);
    EXPECT_LE(std::abs(Width(button144) - Width(button96) * 3 / 2), 2);
    EXPECT_LE(std::abs(Height(button144) - Height(button96) * 3 / 2), 2);
    // The face fills its frame to the last pixel; the label's font grew
    // with it.
    const testing::ClientPixels scaled(window_);
    EXPECT_TRUE(testing::NearlyEqual(scaled.At(button144.right - 1, button144.bottom - 1), testing::kButtonRows[0]));
    const int ink96 = LabelInkWidth(before, button96);
    EXPECT_NEAR(LabelInkWidth(scaled, button144), ink96 * 1.5, ink96 * 0.2);

    MoveToDpi(menu_, window_, 96, POINT{at96.left, at96.top});
    RECT back;
    GetWindowRect(window_, &back);
    EXPECT_TRUE(EqualRect(&back, &at96));
    const testing::ClientPixels after(window_);
    ASSERT_EQ(after.Width(), before.Width());
    ASSERT_EQ(after.Height(), before.Height());
    int changed = 0;
    for (int y = 0; y < before.Height(); ++y) {
        for (int x = 0; x < before.Width(); ++x) {
            changed += after.At(x, y) != before.At(x, y);
        }
    }
    EXPECT_EQ(changed, 0);
}

class HighResolutionPictures : public DisplayScaleTest {
  protected:
    HighResolutionPictures()
        : DisplayScaleTest([](const testing::TempFolder& medium) {
              const SettingsFile settings = testing::MediumSettings();
              const int height = settings.menu.hoehe * 2;
              testing::WriteBmp(medium / "titel@2x.bmp", 128, 96, [](int, int) { return kSharpTitle; });
              testing::WriteBmp(medium / "knopf@2x.bmp", 10 * settings.menu.breite, 4 * height,
                                [height](int, int y) { return kSharpButtonRows[y / height]; });
          }) {}

    // What the title picture and the left end of button 0 show: at 200 %
    // the screen holds the window only to there.
    std::pair<std::uint32_t, std::uint32_t> Shown() const {
        const testing::ClientPixels pixels(window_);
        const RECT button = menu_.ButtonRect(0);
        return {pixels.At(5, 5), pixels.At(button.left + 5, button.top + 5)};
    }
};

TEST_F(HighResolutionPictures, AreDrawnAboveOneHundredPercentOnlyAndTheIconComesInTheSizeOfTheDpi) {
    const auto [title96, button96] = Shown();
    EXPECT_TRUE(testing::NearlyEqual(title96, testing::kTitleQuarters[0]));
    EXPECT_TRUE(testing::NearlyEqual(button96, testing::kButtonRows[0]));
    for (const int dpi : {144, 192}) {
        MoveToDpi(menu_, window_, dpi, POINT{0, 0});
        const auto [title, button] = Shown();
        EXPECT_TRUE(testing::NearlyEqual(title, kSharpTitle)) << dpi;
        EXPECT_TRUE(testing::NearlyEqual(button, kSharpButtonRows[0])) << dpi;
        ICONINFO icon{};
        ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, ICON_BIG, 0)), &icon));
        BITMAP bitmap{};
        GetObjectW(icon.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, 32 * dpi / 96);
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
    }
}

}  // namespace
}  // namespace startart::win32
