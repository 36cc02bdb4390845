// The information window and the reader notice: their text and geometry,
// what their buttons start, and how they lock the menu and keep the focus.
#include <gtest/gtest.h>

#include <functional>

#include "test_medium.h"

namespace startart::testing {
namespace {

const std::string kNoticeStart = "Zm Ausführen dieser Datei, benötigen Sie Adobe® Acrobat® Reader ab Version:\r\n\r\n";
const std::string kNoticeEnd =
    "\r\n\r\nSollten Sie diesen nicht auf Ihrem Computer installiert haben, klicken Sie bitte auf die "
    "Schaltfläche <Installieren>, um Adobe® Acrobat® auf Ihren Rechner zu übertragen.";

// Outer sizes of the tool windows: the client area plus a 6 x 21 pixel frame.
constexpr Single kInformationWindowWidth = 3585, kInformationWindowHeight = 2595;
constexpr Single kReaderNoticeWidth = 5400, kReaderNoticeHeight = 3705;

TwipsRect RectOf(const Control& control) {
    return TwipsRect{control.Left(), control.Top(), control.Width(), control.Height()};
}

bool MenuLocked(Menu& menu) {
    bool locked = !menu.face(0).Enabled();
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(menu.face(i).Enabled(), !locked) << i;
    }
    return locked;
}

TEST(InformationWindow, ShowsTheCopyrightAndAddress) {
    StartedMenu menu;
    menu.platform.Click(menu.main().Image1);
    const InformationWindow& form = menu.information();
    ASSERT_TRUE(form.Visible());
    EXPECT_EQ(form.Caption(), "Information");
    EXPECT_EQ(form.Label1.Caption(), "\r\n(c) 2026 Velmo\r\n\r\nVelmo GmbH\r\nHauptstr. 1\r\n12345 Musterstadt");
    // From the outer window: 3485 x 2245 twips, on whole pixels.
    EXPECT_EQ(RectOf(form.Label1), (TwipsRect{0, 0, 3480, 2250}));
    for (const Control* control : std::initializer_list<const Control*>{&form.Label1, &form.Command1, &form.Command2}) {
        EXPECT_EQ(control->GetFont(), (Font{"System", 9.75f, true})) << control->Name();
    }
    EXPECT_EQ(menu.platform.activeForm, &form);
    EXPECT_TRUE(MenuLocked(menu));
}

// Six lines, the first and third empty, whatever the settings hold; a
// setting with its own line break adds a line.
TEST(InformationWindow, LineStructure) {
    const struct {
        InfoSettings info;
        const char* text;
    } cases[] = {
        {{"", "", "", "", ""}, "\r\n\r\n\r\n\r\n\r\n"},
        {{"(c) 2026", "", "Velmo GmbH\r\nVertrieb", "", "Köln"},
         "\r\n(c) 2026\r\n\r\nVelmo GmbH\r\nVertrieb\r\n\r\nKöln"},
    };
    for (const auto& c : cases) {
        SettingsFile file = SampleSettings();
        file.info = c.info;
        StartedMenu menu(file);
        menu.platform.Click(menu.main().Image1);
        EXPECT_EQ(menu.information().Label1.Caption(), c.text);
    }
}

TEST(InformationWindow, HomepageButtonHandsTheAddressToTheShell) {
    for (const char* url : {"http://www.velmo.de", "", "http://www.velmo.de/a b"}) {
        SettingsFile file = SampleSettings();
        file.info.home_url = url;
        StartedMenu menu(file);
        menu.platform.Click(menu.main().Image1);
        menu.platform.Click(menu.information().Command2);
        menu.platform.Click(menu.information().Command2);
        ASSERT_EQ(menu.platform.started.size(), 2u);
        for (const auto& start : menu.platform.started) {
            EXPECT_EQ(start.commandLine, url);
            EXPECT_EQ(start.way, HeadlessPlatform::Start::Way::kDocument);
            EXPECT_EQ(start.show, ShowState::kNormal);
        }
        EXPECT_TRUE(menu.information().Visible());
    }
}

TEST(ReaderNotice, Text) {
    for (const std::string version : {"11.0", "", "11.0\r\noder neuer"}) {
        SettingsFile file = SampleSettings();
        file.reader.version = version;
        StartedMenu menu(file);
        menu.ShowNotice();
        EXPECT_EQ(menu.notice().Label2.Caption(), kNoticeStart + version + kNoticeEnd);
        EXPECT_EQ(menu.notice().Caption(), "Wichtiger Hinweis");
        EXPECT_EQ(menu.notice().Label1.Caption(), "");
    }
}

TEST(ReaderNotice, LabelsFillTheWindow) {
    StartedMenu menu;
    menu.ShowNotice();
    const ReaderNotice& form = menu.notice();
    // Label1: 5300 x 3355 twips from the outer window, on whole pixels;
    // Label2 360 twips inside it.
    EXPECT_EQ(RectOf(form.Label1), (TwipsRect{0, 0, 5295, 3360}));
    EXPECT_EQ(RectOf(form.Label2), (TwipsRect{360, 360, 4575, 2955}));
    EXPECT_EQ(form.Label2.GetFont(), (Font{"system", 10, true}));
    EXPECT_EQ(form.Command1.GetFont(), (Font{"System", 9.75f, true}));
}

TEST(ReaderNotice, InstallStartsTheSetupMinimizedEachTime) {
    SettingsFile file = SampleSettings();
    file.reader.setup = "reader\\setup.exe /sAll";
    StartedMenu menu(file);
    menu.ShowNotice();
    menu.platform.Click(menu.notice().Command1);
    menu.platform.Click(menu.notice().Command1);
    ASSERT_EQ(menu.platform.started.size(), 2u);
    for (const auto& start : menu.platform.started) {
        EXPECT_EQ(start.commandLine, "reader\\setup.exe /sAll");
        EXPECT_EQ(start.show, ShowState::kMinimized);
    }
    EXPECT_TRUE(menu.notice().Visible());
}

// Both windows are centred on the main window, even where that leaves the
// screen: a 200 x 150 pixel screen puts the main window at -3300, -2475.
TEST(SecondaryWindows, CentredOnTheMainWindowUnclamped) {
    const struct {
        ScreenMetrics screen;
        TwipsRect information, notice;
    } cases[] = {
        {{15, 15, 1024, 768}, {5880, 4470, kInformationWindowWidth, kInformationWindowHeight}, {4980, 3900, kReaderNoticeWidth, kReaderNoticeHeight}},
        {{15, 15, 200, 150}, {-300, -180, kInformationWindowWidth, kInformationWindowHeight}, {-1200, -720, kReaderNoticeWidth, kReaderNoticeHeight}},
    };
    for (const auto& c : cases) {
        Menu menu;
        menu.platform.metrics = c.screen;
        ASSERT_TRUE(menu.Start());
        menu.information().Show();
        menu.ShowNotice();
        EXPECT_EQ(RectOf(menu.information()), c.information);
        EXPECT_EQ(RectOf(menu.notice()), c.notice);
    }
}

// Each load starts again from the window's definition.
TEST(SecondaryWindows, UnloadedWindowsReloadFromTheirDefinition) {
    StartedMenu menu;
    InformationWindow& info = menu.information();
    ReaderNotice& notice = menu.notice();
    info.Show();
    notice.Show();
    const TwipsRect infoLabel = RectOf(info.Label1);
    const TwipsRect noticeLabel = RectOf(notice.Label2);
    menu.platform.Click(info.Command1);
    menu.platform.Click(notice.Command2);

    EXPECT_EQ(info.Label1.Caption(), "Label1");
    EXPECT_EQ(RectOf(info.Label1), (TwipsRect{120, 120, 3015, 1575}));
    EXPECT_EQ(info.Caption(), "");
    EXPECT_EQ(notice.Label2.Caption(), "Label2");
    EXPECT_EQ(RectOf(notice.Label2), (TwipsRect{360, 360, 3615, 2175}));
    EXPECT_EQ(notice.Label2.GetFont(), DefaultDialogFont());

    menu.main().settings.info.copy_text = "(c) 2027";
    info.Show();
    notice.Show();
    EXPECT_EQ(RectOf(info.Label1), infoLabel);
    EXPECT_EQ(RectOf(notice.Label2), noticeLabel);
    EXPECT_EQ(info.Label1.Caption(), "\r\n(c) 2027\r\n\r\nVelmo GmbH\r\nHauptstr. 1\r\n12345 Musterstadt");
}

TEST(SecondaryWindows, ClickingTheTitlePictureAgainShowsTheSameWindow) {
    StartedMenu menu;
    menu.platform.Click(menu.main().Image1);
    menu.main().settings.info.copy_text = "neu";
    menu.platform.Activate(menu.main());
    menu.platform.Click(menu.main().Image1);
    EXPECT_EQ(menu.information().Label1.Caption(),
              "\r\n(c) 2026 Velmo\r\n\r\nVelmo GmbH\r\nHauptstr. 1\r\n12345 Musterstadt");
    EXPECT_EQ(menu.platform.activeForm, &menu.information());
    menu.platform.Click(menu.information().Command1);
    EXPECT_FALSE(MenuLocked(menu));
}

// The menu stays locked until the last secondary window closes, whichever
// order they open and close in, and however they are closed.
TEST(SecondaryWindows, MenuLockedWhileEitherIsOpen) {
    enum Step { kOpen2, kOpen3, kLeave2, kCancel3, kClose2, kClose3 };
    const std::function<void(Menu&)> perform[] = {
        [](Menu& m) { m.platform.Click(m.main().Image1); },   [](Menu& m) { m.ShowNotice(); },
        [](Menu& m) { m.platform.Click(m.information().Command1); }, [](Menu& m) { m.platform.Click(m.notice().Command2); },
        [](Menu& m) { m.platform.Close(m.information()); },          [](Menu& m) { m.platform.Close(m.notice()); },
    };
    const std::vector<std::vector<Step>> orders = {
        {kOpen2, kLeave2},
        {kOpen3, kCancel3},
        {kOpen2, kClose2},
        {kOpen3, kClose3},
        {kOpen2, kOpen3, kLeave2, kCancel3},
        {kOpen2, kOpen3, kCancel3, kLeave2},
        {kOpen3, kOpen2, kClose3, kClose2},
        {kOpen3, kOpen2, kClose2, kClose3},
        {kOpen3, kCancel3, kOpen2, kLeave2},
    };
    for (const auto& order : orders) {
        StartedMenu menu;
        int open = 0;
        for (const Step step : order) {
            perform[step](menu);
            open += step == kOpen2 || step == kOpen3 ? 1 : -1;
            EXPECT_EQ(MenuLocked(menu), open > 0) << "after step " << step;
        }
        EXPECT_FALSE(menu.information().Loaded());
        EXPECT_FALSE(menu.notice().Loaded());
        EXPECT_FALSE(menu.platform.exitStatus);
    }
}

TEST(SecondaryWindows, TheMainWindowHandsTheActivationToTheOpenOneTheNoticeFirst) {
    StartedMenu menu;
    HeadlessPlatform& platform = menu.platform;
    menu.ShowNotice();
    platform.Activate(menu.main());
    EXPECT_EQ(platform.activeForm, &menu.notice());

    // The title picture still opens the information window over the notice.
    platform.Click(menu.main().Image1);
    EXPECT_EQ(platform.activeForm, &menu.information());

    // Between the two windows the activation moves as the user moves it;
    // from the main window it goes to the notice.
    platform.Activate(menu.notice());
    EXPECT_EQ(platform.activeForm, &menu.notice());
    platform.Activate(menu.information());
    EXPECT_EQ(platform.activeForm, &menu.information());
    platform.Activate(menu.main());
    EXPECT_EQ(platform.activeForm, &menu.notice());

    // Another program may take it; coming back to the menu from there still
    // ends in the notice, and in the information window once it is alone.
    platform.Barrier().Run([&] { platform.MoveActivation(nullptr); });
    EXPECT_EQ(platform.activeForm, nullptr);
    platform.Activate(menu.main());
    EXPECT_EQ(platform.activeForm, &menu.notice());
    platform.Click(menu.notice().Command2);
    platform.Barrier().Run([&] { platform.MoveActivation(nullptr); });
    platform.Activate(menu.main());
    EXPECT_EQ(platform.activeForm, &menu.information());
}

TEST(SecondaryWindows, AFailedStartIsReportedAndTheWindowStays) {
    StartedMenu menu;
    menu.platform.startOutcome = [](const std::string&) -> std::optional<StartFailure> {
        return StartFailure{"Zugriff verweigert"};
    };
    menu.platform.Click(menu.main().Image1);
    menu.platform.Click(menu.information().Command2);
    menu.ShowNotice();
    menu.platform.Click(menu.notice().Command1);
    EXPECT_EQ(menu.MessageTexts(),
              (std::vector<std::string>{
                  "Der Befehl 'explorer http://www.velmo.de' konnte nicht ausgeführt werden:\r\nZugriff verweigert",
                  "Der Befehl 'reader\\setup.exe' konnte nicht ausgeführt werden:\r\nZugriff verweigert"}));
    EXPECT_TRUE(menu.information().Visible());
    EXPECT_TRUE(menu.notice().Visible());
    EXPECT_FALSE(menu.platform.exitStatus);
}

// A run-time error inside a handler is reported, ends the program, and no
// handler runs after it.
TEST(EventBarrier, ARuntimeErrorInAHandlerEndsTheProgram) {
    SettingsFile file = SampleSettings();
    file.buttons[2].anw = "x.exe";
    StartedMenu menu(file);
    menu.platform.applicationTitle = "autostart";
    menu.platform.startOutcome = [](const std::string&) -> std::optional<StartFailure> { RaiseFileNotFound(); };
    // The report is modal, but the timer still fires while it is open.
    bool ranDuringReport = true;
    menu.platform.onMessage = [&](const std::string&) { ranDuringReport = menu.platform.Tick(menu.main().Timer1); };
    EXPECT_FALSE(menu.platform.Click(menu.face(2)));
    EXPECT_EQ(menu.MessageTexts(), std::vector<std::string>{RuntimeErrorReport(53, "Datei nicht gefunden")});
    EXPECT_EQ(menu.platform.exitStatus, ExitStatus::kRuntimeError);
    EXPECT_FALSE(ranDuringReport);

    EXPECT_FALSE(menu.platform.MouseMove(menu.face(3)));
    EXPECT_FALSE(menu.platform.Tick(menu.main().Timer1));
    EXPECT_FALSE(menu.platform.Click(menu.main().Image1));
    EXPECT_EQ(menu.FacePeer(3).printCount, 1);
    EXPECT_TRUE(menu.main().Timer1.Enabled());
    EXPECT_FALSE(menu.information().Loaded());
    EXPECT_EQ(menu.platform.messages.size(), 1u);
}

// Esc leaves either window as its leaving button does; the main window has
// none, and stays.
TEST(SecondaryWindows, EscClosesEitherWindowAsItsLeavingButtonDoes) {
    StartedMenu menu;
    menu.platform.Click(menu.main().Image1);
    menu.ShowNotice();
    EXPECT_TRUE(menu.platform.KeyDown(menu.notice(), Key::kEscape));
    EXPECT_FALSE(menu.notice().Loaded());
    EXPECT_TRUE(menu.information().Loaded());
    EXPECT_TRUE(menu.platform.KeyDown(menu.information(), Key::kEscape));
    EXPECT_FALSE(menu.information().Loaded());
    EXPECT_TRUE(menu.face(0).Enabled());
    EXPECT_TRUE(menu.platform.KeyDown(menu.main(), Key::kEscape));
    EXPECT_TRUE(menu.main().Loaded());
    EXPECT_FALSE(menu.platform.exitStatus);
}

}  // namespace
}  // namespace startart::testing
