// The main window's start-up: the settings, the window's size and place, the
// title picture, and every way start-up can stop before the window shows.
#include <gtest/gtest.h>

#include "menu/window_layout.h"
#include "test_medium.h"

namespace startart::testing {
namespace {

const std::string kSettingsFailure =
    "Ein Fehler ist beim Lesen der Datei 'st.art' aufgetreten!\r\n"
    "Entweder die Datei existiert nicht oder sie enthält einen fehlerhaften Eintrag.";

std::string PathOf(const Picture& picture) {
    const auto* data = dynamic_cast<const HeadlessPicture*>(picture.Data());
    return data ? data->Path() : "";
}

struct GeometryCase {
    const char* name;
    Int16 anzahl;
    Int16 hoehe;
    Int16 abstand;
    ScreenMetrics screen;
    // Outer window and title picture, in twips as read back.
    Single height, width, left, top;
    Single imageWidth, imageHeight;
};

class MainWindowGeometry : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(MainWindowGeometry, SizePlaceAndTitlePicture) {
    const GeometryCase& c = GetParam();
    Menu menu;
    menu.settings.menu.anzahl = c.anzahl;
    menu.settings.menu.hoehe = c.hoehe;
    menu.settings.menu.abstand = c.abstand;
    menu.platform.metrics = c.screen;
    ASSERT_TRUE(menu.Start());
    const MainWindow& form = menu.main();
    EXPECT_EQ(form.Height(), c.height);
    EXPECT_EQ(form.Width(), c.width);
    EXPECT_EQ(form.Left(), c.left);
    EXPECT_EQ(form.Top(), c.top);
    EXPECT_EQ(form.Image1.Left(), 0);
    EXPECT_EQ(form.Image1.Top(), 0);
    EXPECT_EQ(form.Image1.Width(), c.imageWidth);
    EXPECT_EQ(form.Image1.Height(), c.imageHeight);

    // The authoring tool's plan of the same window, which the headless
    // screen holds at whatever size it is asked for.
    const Screen screen(c.screen);
    const MainWindowLayout plan = PlanMainWindow(form.settings.menu, screen);
    EXPECT_EQ(plan.window, form.Bounds());
    EXPECT_EQ(plan.title, form.Image1.Bounds());
}

// Positions land on the nearest pixel, halves to even, so each case reads
// back a multiple of the twips per pixel.
INSTANTIATE_TEST_SUITE_P(
    StartUp,
    MainWindowGeometry,
    ::testing::Values(
        // 6000 + 825 + 345 = 7170 is raised to the 7200 floor.
        GeometryCase{"Floor", 10, 40, 75, {15, 15, 800, 600}, 7200, 9600, 1200, 900, 7215, 6855},
        // 10545 is 703 pixels; the width 14060 lands on 937 pixels.
        GeometryCase{"FifteenButtons", 15, 40, 75, {15, 15, 1024, 768}, 10545, 14055, 660, 480, 11670, 10200},
        // No buttons: the height is abstand + 345.
        GeometryCase{"NoButtons", 0, 40, 7000, {15, 15, 1024, 768}, 7350, 9795, 2790, 2085, 7410, 7005},
        // 7857 is held as 7860: the width is four thirds of that, not of 7857.
        GeometryCase{"WidthFromTheHeldHeight", 11, 40, 76, {15, 15, 1024, 768}, 7860, 10485, 2430, 1830, 8100, 7515},
        // 120 dpi: the button height counts 12 twips per pixel.
        GeometryCase{"TwelveTwipsPerPixel", 15, 40, 75, {12, 12, 1280, 1024}, 8748, 11664, 1848, 1776, 9708, 8400},
        GeometryCase{"OddScreen", 10, 40, 75, {15, 15, 1023, 767}, 7200, 9600, 2880, 2160, 7215, 6855},
        GeometryCase{"LargerThanTheScreen", 15, 40, 75, {15, 15, 640, 480}, 10545, 14055, -2220, -1680, 11670, 10200}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartUp, CaptionColourPicturesAndTimerComeFromTheSettings) {
    StartedMenu menu;
    const MainWindow& form = menu.main();
    EXPECT_EQ(form.Caption(), "  Demo");
    EXPECT_EQ(form.BackColor(), Rgb(0, 64, 128));
    EXPECT_EQ(PathOf(form.Icon()), "D:\\medium\\icon.ico");
    EXPECT_EQ(PathOf(form.Image1.GetPicture()), "D:\\medium\\titel.bmp");
    EXPECT_TRUE(form.Image1.Stretch());
    EXPECT_TRUE(form.Timer1.Enabled());
    EXPECT_EQ(menu.platform.activeForm, &form);
    EXPECT_TRUE(menu.platform.messages.empty());
}

TEST(StartUp, AnEmptyTitleLeavesTheTwoLeadingSpaces) {
    SettingsFile file = SampleSettings();
    file.menu.titel = "";
    EXPECT_EQ(StartedMenu(file).main().Caption(), "  ");
}

TEST(StartUp, PfadIsTheProgramDirectoryWhateverTheFileStores) {
    for (const auto& [executable, expected] : {std::pair{"D:\\", "D:\\"}, std::pair{"D:\\medium", "D:\\medium\\"},
                                               std::pair{"C:\\a b\\menü", "C:\\a b\\menü\\"}}) {
        Menu menu;
        menu.platform.executableDirectory = executable;
        menu.settings.menu.pfad = "E:\\stored";
        ASSERT_TRUE(menu.Start()) << executable;
        EXPECT_EQ(menu.main().settings.menu.pfad, expected);
        EXPECT_EQ(PathOf(menu.main().Image1.GetPicture()), std::string(expected) + "titel.bmp");
    }
}

TEST(StartUp, ArithmeticOverflowStopsStartUp) {
    const struct {
        Int16 anzahl, hoehe, abstand;
    } cases[] = {
        {15, 40, 2100},  // the gaps: 16 x 2100
        {15, 200, 75},   // the height: 45000 + 1200 + 345
        {32767, 1, 0},   // anzahl + 1
        {-32768, 0, 0},  // anzahl - 1, the last button
    };
    for (const auto& c : cases) {
        Menu menu;
        menu.settings.menu.anzahl = c.anzahl;
        menu.settings.menu.hoehe = c.hoehe;
        menu.settings.menu.abstand = c.abstand;
        EXPECT_FALSE(menu.Start());
        ExpectStartStoppedBy(menu, RuntimeErrorReport(6, "Überlauf"));
    }
}

TEST(StartUp, APictureThatCannotBeLoadedStopsStartUp) {
    const struct {
        const char* file;
        bool present;  // present but holding no picture
        int error;
        const char* description;
    } cases[] = {
        {"icon.ico", false, 53, "Datei nicht gefunden"},  {"titel.bmp", false, 53, "Datei nicht gefunden"},
        {"knopf.bmp", false, 53, "Datei nicht gefunden"}, {"icon.ico", true, 481, "Ungültiges Bild"},
        {"titel.bmp", true, 481, "Ungültiges Bild"},
    };
    for (const auto& c : cases) {
        Menu menu;
        menu.WriteMedium();
        const std::string path = menu.Directory() + c.file;
        menu.platform.RemoveFile(path);
        if (c.present) {
            menu.platform.files[path] = {'t', 'e', 'x', 't'};
        }
        EXPECT_FALSE(menu.Start()) << c.file;
        ExpectStartStoppedBy(menu, RuntimeErrorReport(c.error, c.description));
    }
}

TEST(StartUp, MoreThanFifteenButtonsStopStartUpAtElement15) {
    for (const Int16 anzahl : {16, 40}) {
        SettingsFile file = SampleSettings();
        file.menu.anzahl = anzahl;
        StartedMenu menu(file);
        EXPECT_FALSE(menu.started);
        ExpectStartStoppedBy(menu, RuntimeErrorReport(340, "Steuerelementfeld-Element '15' existiert nicht"));
    }
}

TEST(StartUp, UnreadableSettingsShowTheTwoLineMessageAndEnd) {
    const auto missing = [](Menu& menu) { menu.platform.RemoveFile(menu.Directory() + "st.art"); };
    const auto overlong = [](Menu& menu) {
        // The count of button 0's label claims more bytes than its record holds.
        auto& bytes = menu.platform.files[menu.Directory() + "st.art"];
        bytes[3 * kRecordLength] = 0x7F;
    };
    const auto misplaced = [](Menu& menu) {
        // st.art in another directory is not read.
        const std::string path = menu.Directory() + "st.art";
        menu.platform.files["D:\\st.art"] = menu.platform.files[path];
        menu.platform.RemoveFile(path);
    };
    for (const auto& spoil : {+missing, +overlong, +misplaced}) {
        Menu menu;
        menu.platform.applicationTitle = "autostart";
        menu.WriteMedium();
        spoil(menu);
        EXPECT_FALSE(menu.Start());
        EXPECT_EQ(menu.MessageTexts(), std::vector<std::string>{kSettingsFailure});
        EXPECT_EQ(menu.platform.exitStatus, ExitStatus::kSettingsUnreadable);
        EXPECT_FALSE(menu.main().Visible());
        EXPECT_FALSE(menu.main().Timer1.Enabled());
    }
}

TEST(StartUp, ASettingsFileCutShortReadsAsEmptyButtons) {
    Menu menu;
    menu.WriteMedium();
    menu.platform.files[menu.Directory() + "st.art"].resize(kRecordLength * 3 + 10);
    ASSERT_TRUE(menu.Start());
    EXPECT_EQ(menu.main().settings.buttons[0].button, "Knopf 0");
    for (int i = 1; i < 10; ++i) {
        EXPECT_EQ(menu.main().settings.buttons[static_cast<std::size_t>(i)], ButtonEntry{}) << i;
        EXPECT_FALSE(menu.frame(i).Visible()) << i;
    }
}

TEST(StartUp, ClosingTheMainWindowEndsTheProgram) {
    StartedMenu menu;
    ASSERT_TRUE(menu.platform.Click(menu.main().Image1));
    menu.platform.Close(menu.main());
    EXPECT_EQ(menu.platform.exitStatus, ExitStatus::kNormal);
    EXPECT_TRUE(menu.platform.messages.empty());
    // The information window's own close code does not run: the menu stays locked.
    EXPECT_FALSE(menu.face(0).Enabled());
}

}  // namespace
}  // namespace startart::testing
