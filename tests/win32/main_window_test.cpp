// The main window on real windows: its frame, size and place for several
// settings, its caption, the stretched title picture and the background, the
// button faces under the pointer, and the information window it opens. The
// buttons have no windows of their own: they are found where the window
// shows them, and reached with the pointer.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "running_menu.h"
#include "window_peers/window.h"
#include "windows/information_window.h"

namespace startart::win32 {
namespace {

using testing::ClientPixels;
using testing::MediumSettings;
using testing::NearlyEqual;
using testing::RunningMenu;
using testing::SimilarColour;

HWND MainHwnd(RunningMenu& menu) {
    return WindowOf(&menu.MainWindow());
}

struct Geometry {
    Int16 anzahl;
    Int16 hoehe;
    Int16 abstand;
    Int16 breite;
};

void PrintTo(const Geometry& g, std::ostream* out) {
    *out << g.anzahl << "x" << g.hoehe << "_apart" << g.abstand << "_wide" << g.breite;
}

class MainWindowGeometry : public ::testing::TestWithParam<Geometry> {};

// Outer size and place in pixels, worked out from the settings in twips the
// way the window's Load code does, at 15 twips per pixel.
TEST_P(MainWindowGeometry, OuterRectangleFollowsTheSettings) {
    const Geometry g = GetParam();
    SettingsFile settings = MediumSettings();
    settings.menu.anzahl = g.anzahl;
    settings.menu.hoehe = g.hoehe;
    settings.menu.abstand = g.abstand;
    settings.menu.breite = g.breite;
    RunningMenu menu(settings);
    ASSERT_TRUE(menu.PumpUntil([&] { return IsWindowVisible(MainHwnd(menu)); }));

    const double heightTwips = std::max(7200.0, g.hoehe * 15.0 * g.anzahl + (g.anzahl + 1) * g.abstand + 345);
    const int height = static_cast<int>(std::nearbyint(heightTwips / 15));
    const int width = static_cast<int>(std::nearbyint(height * 15 / 0.75 / 15));
    const int left = static_cast<int>(std::nearbyint((GetSystemMetrics(SM_CXSCREEN) - width) / 2.0));
    const int top = static_cast<int>(std::nearbyint((GetSystemMetrics(SM_CYSCREEN) - height) / 2.0));
    RECT outer;
    GetWindowRect(MainHwnd(menu), &outer);
    EXPECT_EQ(outer.left, left);
    EXPECT_EQ(outer.top, top);
    EXPECT_EQ(outer.right - outer.left, width);
    EXPECT_EQ(outer.bottom - outer.top, height);

    // The frame the core reckons with is the frame the window has.
    const PixelSize frame = menu.Platform().FrameSize(FormBorderStyle::kFixedDialog);
    RECT client;
    GetClientRect(MainHwnd(menu), &client);
    EXPECT_EQ(client.right, width - frame.width);
    EXPECT_EQ(client.bottom, height - frame.height);
}

INSTANTIATE_TEST_SUITE_P(Settings,
                         MainWindowGeometry,
                         ::testing::Values(Geometry{10, 40, 75, 144},
                                           Geometry{15, 40, 75, 144},
                                           Geometry{3, 100, 150, 200},
                                           Geometry{12, 50, 100, 120}),
                         [](const auto& info) { return ::testing::PrintToString(info.param); });

TEST(MainWindow, CaptionKeepsUmlautsWhateverTheCodePage) {
    SettingsFile settings = MediumSettings();
    settings.menu.titel = "Größe & Übersicht";
    RunningMenu menu(settings);
    wchar_t caption[64] = {};
    GetWindowTextW(MainHwnd(menu), caption, 64);
    EXPECT_STREQ(caption, L"  Gr\u00f6\u00dfe & \u00dcbersicht");
}

int IconEdge(HWND window, WPARAM which) {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

TEST(MainWindow, ShowsThePictureOfTheMediumAsItsIconInBothSizes) {
    RunningMenu menu(MediumSettings());
    EXPECT_EQ(IconEdge(MainHwnd(menu), ICON_BIG), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(IconEdge(MainHwnd(menu), ICON_SMALL), GetSystemMetrics(SM_CXSMICON));
}

TEST(MainWindow, TitlePictureIsStretchedSmoothlyOverImage1AndTheBackgroundShowsBeside) {
    RunningMenu menu(MediumSettings());
    ASSERT_TRUE(menu.PumpUntil([&] { return IsWindowVisible(MainHwnd(menu)); }));
    const ClientPixels pixels(MainHwnd(menu));
    // Image1: 9600 - (144 x 15 + 225) = 7215 twips wide, 7200 - 345 = 6855 high.
    const int width = 481;
    const int height = std::min(457, pixels.Height());
    EXPECT_PRED2(NearlyEqual, pixels.At(width / 4, height / 8), testing::kTitleQuarters[0]);
    EXPECT_PRED2(NearlyEqual, pixels.At(width - 3, 2), testing::kTitleQuarters[1]);
    EXPECT_PRED2(NearlyEqual, pixels.At(2, height - 3), testing::kTitleQuarters[2]);
    EXPECT_PRED2(NearlyEqual, pixels.At(width - 3, height - 3), testing::kTitleQuarters[3]);
    // Where two quarters meet, a smoothing filter blends them.
    bool blended = false;
    for (int x = width / 2 - 12; x < width / 2 + 12; ++x) {
        const std::uint32_t p = pixels.At(x, 10);
        blended |=
            !SimilarColour(p, testing::kTitleQuarters[0], 40) && !SimilarColour(p, testing::kTitleQuarters[1], 40);
    }
    EXPECT_TRUE(blended);
    // The 75 twips between the picture and the button column.
    EXPECT_EQ(pixels.At(width + 2, 3), 0x004080u);
}

TEST(MainWindow, FacesShowTheNormalCellAndTheHighlightedOneUnderThePointer) {
    RunningMenu menu(MediumSettings());
    const HWND form = MainHwnd(menu);
    ASSERT_TRUE(menu.PumpUntil([&] { return IsWindowVisible(form); }));
    const RECT button2 = menu.ButtonRect(2);
    PostMessageW(form, WM_MOUSEMOVE, 0, MAKELPARAM(button2.left + 5, button2.top + 5));
    ASSERT_TRUE(menu.PumpUntil([&] { return menu.MainWindow().ButtonHighlight().Asked() == 2; }));

    const ClientPixels pixels(form);
    for (int i = 0; i < 4; ++i) {
        const RECT frame = menu.ButtonRect(i);
        EXPECT_PRED2(NearlyEqual, pixels.At(frame.right - 4, frame.top + 3), testing::kButtonRows[i == 2 ? 1 : 0])
            << "button " << i;
    }
}

// The ink of the label of button 0: columns and rows of the label colour.
RECT LabelInk(RunningMenu& menu) {
    const RECT frame = menu.ButtonRect(0);
    const ClientPixels pixels(MainHwnd(menu));
    RECT ink{frame.right, frame.bottom, frame.left, frame.top};
    for (int y = frame.top; y < frame.bottom; ++y) {
        for (int x = frame.left; x < frame.right; ++x) {
            if (SimilarColour(pixels.At(x, y), 0xFFFF00, 60)) {
                ink = RECT{std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
                           std::max<LONG>(ink.bottom, y + 1)};
            }
        }
    }
    OffsetRect(&ink, -frame.left, -frame.top);
    return ink;
}

TEST(MainWindow, LabelsAppearAtTheirPlaceInTheirColour) {
    RunningMenu menu(MediumSettings());
    ASSERT_TRUE(menu.PumpUntil([&] { return IsWindowVisible(MainHwnd(menu)); }));
    const RECT ink = LabelInk(menu);
    // randabstand 300 twips: 20 pixels from the frame's left edge; the text
    // cell starts 12 / 1.3 pixels above the frame's middle, at 11.
    EXPECT_GE(ink.left, 19);
    EXPECT_LE(ink.left, 23);
    EXPECT_GE(ink.top, 11);
    EXPECT_LT(ink.bottom, 40);
    EXPECT_GT(ink.right - ink.left, 30);
}

TEST(MainWindow, WiderCharacterSpacingMakesTheSameLabelWider) {
    SettingsFile wide = MediumSettings();
    wide.menu.laufweite = 6;
    int normalWidth = 0;
    {
        RunningMenu menu(MediumSettings());
        ASSERT_TRUE(menu.PumpUntil([&] { return IsWindowVisible(MainHwnd(menu)); }));
        const RECT ink = LabelInk(menu);
        normalWidth = ink.right - ink.left;
    }
    RunningMenu menu(wide);
    ASSERT_TRUE(menu.PumpUntil([&] { return IsWindowVisible(MainHwnd(menu)); }));
    const RECT ink = LabelInk(menu);
    // "Knopf 0" has six gaps between its seven characters.
    EXPECT_GE(ink.right - ink.left, normalWidth + 6 * 6);
}

TEST(MainWindow, TheTimerTicksOnceAndStops) {
    RunningMenu menu(MediumSettings());
    EXPECT_TRUE(menu.PumpUntil([&] { return !menu.MainWindow().Timer1.Enabled(); }));
}

// The button the left button went down on has the pointer until it goes up,
// and clicks only when it goes up on that button; a double click is one
// click. A target of no known kind shows one message per click.
TEST(MainWindow, APressedButtonHoldsThePointerAndADoubleClickClicksOnce) {
    SettingsFile settings = MediumSettings();
    settings.buttons[1].anw = "kein.ziel";
    RunningMenu menu(settings);
    MainWindow& window = menu.MainWindow();
    const HWND main = MainHwnd(menu);
    ASSERT_TRUE(menu.PumpUntil([&] { return IsWindowVisible(main) && !window.Timer1.Enabled(); }));
    const RECT one = menu.ButtonRect(1);
    const RECT two = menu.ButtonRect(2);
    const auto post = [&](UINT message, int x, int y) {
        PostMessageW(main, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
        menu.PumpFor(std::chrono::milliseconds(50));
    };

    post(WM_LBUTTONDOWN, one.left + 5, one.top + 5);
    post(WM_MOUSEMOVE, two.left + 5, two.top + 5);
    post(WM_MOUSEMOVE, one.left - 3, one.top);
    EXPECT_EQ(window.ButtonHighlight().Asked(), 1);
    post(WM_LBUTTONUP, 100, 100);
    EXPECT_TRUE(menu.Platform().messages.empty());

    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        post(message, one.left + 5, one.top + 5);
    }
    EXPECT_EQ(menu.Platform().messages.size(), 1u);
    EXPECT_FALSE(menu.InformationWindow().Loaded());
}

TEST(MainWindow, ClickOnTheTitlePictureOpensTheInformationWindowFromItsDefinition) {
    RunningMenu menu(MediumSettings());
    const HWND main = MainHwnd(menu);
    ASSERT_TRUE(menu.PumpUntil([&] { return IsWindowVisible(main); }));
    menu.Click(main, 100, 100);
    InformationWindow& information = menu.InformationWindow();
    ASSERT_TRUE(menu.PumpUntil([&] { return information.Loaded() && IsWindowVisible(WindowOf(&information)); }));
    const HWND window = WindowOf(&information);

    wchar_t caption[32] = {};
    GetWindowTextW(window, caption, 32);
    EXPECT_STREQ(caption, L"Information");
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 3495 / 15);
    EXPECT_EQ(client.bottom, 2280 / 15);
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    const HWND verlassen = WindowOf(&information.Command1);
    wchar_t text[32] = {};
    GetWindowTextW(verlassen, text, 32);
    EXPECT_STREQ(text, L"Verlassen");
    GetWindowTextW(WindowOf(&information.Command2), text, 32);
    EXPECT_STREQ(text, L"Velmo-Homepage");
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(verlassen, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"System");
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfHeight, -13);
    EXPECT_TRUE(menu.PumpUntil([&] { return GetFocus() == verlassen; }));

    EXPECT_EQ(menu.ButtonsTakingTheHighlight(), 0);
    EXPECT_EQ(information.Label1.Caption(), "\r\n(c) 2026 Velmo\r\n\r\nVelmo GmbH\r\nHauptstr. 1\r\n12345 Musterstadt");
}

TEST(MainWindow, ClosingTheInformationWindowUnlocksTheButtonsAndLeavesNoWindow) {
    RunningMenu menu(MediumSettings());
    InformationWindow& information = menu.InformationWindow();
    ASSERT_TRUE(menu.PumpUntil([&] { return IsWindowVisible(MainHwnd(menu)); }));
    menu.Platform().Barrier().Run([&] { information.Show(); });
    ASSERT_TRUE(menu.PumpUntil([&] { return IsWindowVisible(WindowOf(&information)); }));
    PostMessageW(WindowOf(&information), WM_CLOSE, 0, 0);
    ASSERT_TRUE(menu.PumpUntil([&] { return !information.Loaded(); }));
    EXPECT_EQ(testing::VisibleWindowsOfThisThread(), 1);
    EXPECT_EQ(menu.ButtonsTakingTheHighlight(), menu.MainWindow().settings.menu.anzahl);
}

TEST(MainWindow, AnOpenInformationWindowTakesTheActivationBackFromTheMainWindow) {
    RunningMenu menu(MediumSettings());
    InformationWindow& information = menu.InformationWindow();
    const HWND main = MainHwnd(menu);
    ASSERT_TRUE(menu.PumpUntil([&] { return IsWindowVisible(main); }));
    menu.Platform().Barrier().Run([&] { information.Show(); });
    ASSERT_TRUE(menu.PumpUntil([&] { return GetActiveWindow() == WindowOf(&information); }));
    SetActiveWindow(main);
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_TRUE(menu.PumpUntil([&] { return GetActiveWindow() == WindowOf(&information); }));
}

TEST(MainWindow, DisabledFacesKeepTheHighlightAndTheBackgroundClearsIt) {
    RunningMenu menu(MediumSettings());
    MainWindow& window = menu.MainWindow();
    const HWND main = MainHwnd(menu);
    ASSERT_TRUE(menu.PumpUntil([&] { return IsWindowVisible(main) && !window.Timer1.Enabled(); }));
    const RECT button3 = menu.ButtonRect(3);
    const RECT button5 = menu.ButtonRect(5);
    menu.PointAt(main, button3.left + 10, button3.top + 10);
    ASSERT_EQ(window.ButtonHighlight().Asked(), 3);

    menu.Platform().Barrier().Run([&] { menu.InformationWindow().Show(); });
    menu.PumpFor(std::chrono::milliseconds(200));
    menu.PointAt(main, button3.left + 20, button3.top + 12);
    menu.PointAt(main, button5.left + 10, button5.top + 10);
    EXPECT_EQ(window.ButtonHighlight().Asked(), 3);

    menu.PointAt(main, button3.left - 3, button3.top);
    EXPECT_EQ(window.ButtonHighlight().Asked(), Highlight::kNoButton);
}

}  // namespace
}  // namespace startart::win32
