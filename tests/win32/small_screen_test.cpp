// The menu on a screen smaller than the window its settings plan: Windows
// holds a captioned window to about the screen and its frame, and the
// menu's arithmetic must work on the window as Windows holds it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "running_menu.h"
#include "window_peers/window.h"

namespace startart::win32 {
namespace {

// The display in another mode while this lives; the mode before comes back
// when it goes.
class DisplayMode {
  public:
    DisplayMode(int width, int height) {
        DEVMODEW mode{};
        mode.dmSize = sizeof mode;
        mode.dmPelsWidth = static_cast<DWORD>(width);
        mode.dmPelsHeight = static_cast<DWORD>(height);
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        changed_ = ChangeDisplaySettingsW(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL &&
                   GetSystemMetrics(SM_CXSCREEN) == width && GetSystemMetrics(SM_CYSCREEN) == height;
    }
    ~DisplayMode() { ChangeDisplaySettingsW(nullptr, 0); }
    DisplayMode(const DisplayMode&) = delete;
    DisplayMode& operator=(const DisplayMode&) = delete;

    bool Changed() const { return changed_; }

  private:
    bool changed_ = false;
};

TEST(SmallScreen, TheWindowIsSizedAndCentredAsWindowsHoldsIt) {
    const DisplayMode screen(800, 600);
    if (!screen.Changed()) {
        GTEST_SKIP() << "the display cannot be switched to 800 x 600";
    }
    // Planned at 9000 + 16 x 75 + 345 twips high: 703 pixels, and 937 wide.
    SettingsFile settings = testing::MediumSettings();
    settings.menu.anzahl = 15;
    testing::RunningMenu menu(settings);
    MainWindow& form = menu.MainWindow();
    const HWND window = WindowOf(&form);
    ASSERT_TRUE(menu.PumpUntil([&] { return IsWindowVisible(window); }));

    RECT outer;
    GetWindowRect(window, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    EXPECT_LT(height, 703);
    EXPECT_EQ(form.Height(), height * 15.0f);
    EXPECT_EQ(form.Width(), width * 15.0f);
    EXPECT_EQ(width, std::lround(height * 4 / 3.0));
    EXPECT_LE(std::abs(outer.left - (800 - width) / 2), 1);
    EXPECT_LE(std::abs(outer.top - (600 - height) / 2), 1);

    RECT client;
    GetClientRect(window, &client);
    const PixelRect frame0 = form.Picture2(0).Bounds();
    EXPECT_GE(frame0.left, 0);
    EXPECT_GE(frame0.top, 0);
    EXPECT_LE(frame0.left + frame0.width, client.right);
    EXPECT_LE(frame0.top + frame0.height, client.bottom);
}

}  // namespace
}  // namespace startart::win32
