// The button under the pointer is highlighted; clicks open targets or end
// the program; a locked column ignores both.
#include <gtest/gtest.h>

#include "menu/button_lock.h"
#include "test_medium.h"

namespace startart::testing {
namespace {

// Counts the repaints of the laid-out faces from the moment it is made.
class RepaintCounter {
  public:
    explicit RepaintCounter(Menu& menu) : menu_(menu) {
        for (int i = 0; i < menu_.settings.menu.anzahl; ++i) {
            start_.push_back(menu_.FacePeer(i).printCount);
        }
    }
    // How many times each face was printed on since; every repaint prints
    // each laid-out face exactly once, after clearing it.
    std::vector<int> Prints() const {
        std::vector<int> prints;
        for (std::size_t i = 0; i < start_.size(); ++i) {
            HeadlessPictureBoxPeer& peer = menu_.FacePeer(static_cast<int>(i));
            EXPECT_EQ(peer.surface.size(), 1u);
            prints.push_back(peer.printCount - start_[i]);
        }
        return prints;
    }
    bool None() const { return Prints() == std::vector<int>(start_.size(), 0); }
    bool Once() const { return Prints() == std::vector<int>(start_.size(), 1); }

  private:
    Menu& menu_;
    std::vector<int> start_;
};

// Which button shows its highlighted cell and label; -1 for none.
int Highlighted(Menu& menu) {
    int highlighted = -1;
    for (int i = 0; i < menu.settings.menu.anzahl; ++i) {
        const ButtonEntry& entry = menu.settings.buttons[static_cast<std::size_t>(i)];
        const bool up = menu.face(i).Top() == -600;
        EXPECT_EQ(menu.Shown(i), std::vector<std::string>{up ? entry.buttonb : entry.button}) << i;
        EXPECT_TRUE(up || menu.face(i).Top() == 0) << i;
        if (up) {
            EXPECT_EQ(highlighted, -1) << "two buttons highlighted";
            highlighted = i;
        }
    }
    return highlighted;
}

TEST(Highlight, StartUpDrawsEveryButtonNormal) {
    StartedMenu menu;
    ASSERT_TRUE(menu.started);
    EXPECT_EQ(Highlighted(menu), -1);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(menu.FacePeer(i).printCount, 1) << i;
        ASSERT_EQ(menu.FacePeer(i).surface.size(), 1u) << i;
        EXPECT_EQ(menu.FacePeer(i).surface[0].at, (PixelPoint{20, 11})) << i;
    }
    EXPECT_FALSE(menu.main().ButtonHighlight().Pending());
    EXPECT_EQ(menu.main().ButtonHighlight().Asked(), Highlight::kNoButton);
}

// The label starts randabstand right of the frame's edge and sits groesse / 1.3
// pixels above the frame's middle, whichever cell shows.
TEST(Highlight, LabelPosition) {
    const struct {
        const char* name;
        Single twipsPerPixel;
        Int16 style, hoehe, groesse, randabstand;
        bool highlighted;
        PixelPoint at;
    } cases[] = {
        {"demo", 15, 1, 40, 12, 300, false, {20, 11}},
        {"demo highlighted", 15, 1, 40, 12, 300, true, {20, 51}},
        {"row 2", 15, 7, 40, 12, 300, false, {164, 91}},
        {"row 3", 15, 7, 40, 12, 300, true, {164, 131}},
        {"face right of the frame", 15, 0, 40, 12, 0, false, {-144, 11}},
        {"120 dpi", 12, 1, 40, 12, 300, false, {25, 11}},
        // 37.5 - 30 lands on a half pixel only when 39 / 1.3 is taken in
        // double precision; in single precision it falls below.
        {"double precision", 15, 1, 75, 39, 300, false, {20, 8}},
    };
    for (const auto& c : cases) {
        Menu menu;
        menu.platform.metrics = ScreenMetrics{c.twipsPerPixel, c.twipsPerPixel, 1280, 1024};
        MenuSettings& m = menu.settings.menu;
        m.anzahl = 2;
        m.style = c.style;
        m.hoehe = c.hoehe;
        m.groesse = c.groesse;
        m.randabstand = c.randabstand;
        ASSERT_TRUE(menu.Start()) << c.name;
        if (c.highlighted) {
            menu.platform.MouseMove(menu.face(1));
        }
        ASSERT_EQ(menu.FacePeer(1).surface.size(), 1u) << c.name;
        EXPECT_EQ(menu.FacePeer(1).surface[0].at, c.at) << c.name;
    }
}

TEST(Highlight, TheDesignsHighlightedCellLiesOneCellBelow) {
    for (const auto& [style, normal, highlighted] : {std::tuple{6, -1200, -1800}, std::tuple{1, 0, -600}}) {
        SettingsFile file = SampleSettings();
        file.menu.style = static_cast<Int16>(style);
        StartedMenu menu(file);
        menu.platform.MouseMove(menu.face(3));
        EXPECT_EQ(menu.face(3).Top(), highlighted) << style;
        EXPECT_EQ(menu.face(4).Top(), normal) << style;
        menu.platform.MouseMove(menu.face(4));
        EXPECT_EQ(menu.face(3).Top(), normal) << style;
    }
}

TEST(Highlight, MovingFromButtonToButtonRepaintsOnce) {
    StartedMenu menu;
    menu.platform.MouseMove(menu.face(3));
    EXPECT_EQ(Highlighted(menu), 3);

    RepaintCounter moveOn(menu);
    menu.platform.MouseMove(menu.face(4));
    EXPECT_TRUE(moveOn.Once());
    EXPECT_EQ(Highlighted(menu), 4);

    RepaintCounter moveWithin(menu);
    menu.platform.MouseMove(menu.face(4));
    menu.platform.MouseMove(menu.face(4));
    EXPECT_TRUE(moveWithin.None());
    // Leaving the window straight from the button raises nothing: it stays lit.
    EXPECT_EQ(Highlighted(menu), 4);
}

TEST(Highlight, BackgroundAndTitlePictureClearItOnce) {
    for (const bool overTitle : {false, true}) {
        StartedMenu menu;
        Control& away = overTitle ? static_cast<Control&>(menu.main().Image1) : menu.main();
        menu.platform.MouseMove(menu.face(3));

        RepaintCounter leave(menu);
        menu.platform.MouseMove(away);
        EXPECT_TRUE(leave.Once());
        EXPECT_EQ(Highlighted(menu), -1);

        RepaintCounter stay(menu);
        menu.platform.MouseMove(menu.main());
        menu.platform.MouseMove(menu.main().Image1);
        EXPECT_TRUE(stay.None());
    }
}

TEST(Highlight, TheTimerTicksOnceAndClearsTheHighlight) {
    StartedMenu menu;
    Timer& timer = menu.main().Timer1;
    menu.platform.MouseMove(menu.face(3));
    menu.platform.Tick(timer);
    EXPECT_EQ(Highlighted(menu), -1);
    EXPECT_FALSE(timer.Enabled());

    // The pointer still rests on button 3 as far as the menu knows.
    RepaintCounter within(menu);
    menu.platform.MouseMove(menu.face(3));
    EXPECT_TRUE(within.None());
    EXPECT_EQ(Highlighted(menu), -1);

    menu.platform.MouseMove(menu.main());
    menu.platform.MouseMove(menu.face(3));
    EXPECT_EQ(Highlighted(menu), 3);

    RepaintCounter secondTick(menu);
    menu.platform.Tick(timer);
    EXPECT_TRUE(secondTick.None());
}

TEST(Highlight, AnEmptyHighlightedLabelShowsTheCellWithoutText) {
    SettingsFile file = SampleSettings();
    file.buttons[3].buttonb = "";
    StartedMenu menu(file);
    menu.platform.MouseMove(menu.face(3));
    EXPECT_EQ(menu.face(3).Top(), -600);
    EXPECT_EQ(menu.Shown(3), std::vector<std::string>{""});
}

TEST(Highlight, NoButtonsNothingDrawn) {
    SettingsFile file = SampleSettings();
    file.menu.anzahl = 0;
    StartedMenu menu(file);
    ASSERT_TRUE(menu.started);
    menu.platform.MouseMove(menu.face(0));
    menu.platform.Tick(menu.main().Timer1);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(menu.FacePeer(i).printCount, 0) << i;
    }
    EXPECT_FALSE(menu.main().ButtonHighlight().Pending());
}

TEST(Clicks, EndeEndsTheProgram) {
    SettingsFile file = SampleSettings();
    file.buttons[9].anw = "Ende";
    StartedMenu menu(file);
    EXPECT_FALSE(menu.platform.Click(menu.face(9)));
    EXPECT_EQ(menu.platform.exitStatus, ExitStatus::kNormal);
    EXPECT_TRUE(menu.platform.started.empty());
    EXPECT_TRUE(menu.platform.messages.empty());
    EXPECT_FALSE(menu.platform.MouseMove(menu.face(2)));
    EXPECT_EQ(menu.FacePeer(2).printCount, 1);
}

TEST(Clicks, AFaceThatIsNotVisibleEndsTheProgram) {
    StartedMenu menu;
    menu.face(4).SetVisible(false);
    menu.platform.Click(menu.face(4));
    EXPECT_EQ(menu.platform.exitStatus, ExitStatus::kNormal);
    EXPECT_TRUE(menu.platform.started.empty());
}

TEST(Clicks, OtherSpellingsOfEndeAreTargets) {
    for (const char* target : {"ende", "ENDE", "Ende ", ""}) {
        SettingsFile file = SampleSettings();
        file.buttons[1].anw = target;
        StartedMenu menu(file);
        EXPECT_TRUE(menu.platform.Click(menu.face(1)));
        EXPECT_FALSE(menu.platform.exitStatus) << target;
        EXPECT_EQ(menu.MessageTexts(),
                  std::vector<std::string>{"Die angegebene Datei 'D:\\medium\\" + std::string(target) +
                                           "' konnte nicht geöffnet werden!"});
    }
}

TEST(Clicks, LockedButtonsIgnoreThePointerWhileTheBackgroundStillClears) {
    SettingsFile file = SampleSettings();
    file.menu.anzahl = 3;
    file.buttons[0].anw = "Ende";
    StartedMenu menu(file);
    menu.platform.MouseMove(menu.face(1));
    SetMenuButtonsEnabled(menu.main(), false);
    for (int i = 0; i < 15; ++i) {
        EXPECT_FALSE(menu.face(i).Enabled()) << i;
    }

    RepaintCounter locked(menu);
    menu.platform.Click(menu.face(0));
    menu.platform.Click(menu.face(2));
    menu.platform.MouseMove(menu.face(2));
    EXPECT_TRUE(locked.None());
    EXPECT_FALSE(menu.platform.exitStatus);
    EXPECT_TRUE(menu.platform.messages.empty());

    menu.platform.MouseMove(menu.main().Image1);
    EXPECT_EQ(Highlighted(menu), -1);

    SetMenuButtonsEnabled(menu.main(), true);
    for (int i = 0; i < 15; ++i) {
        EXPECT_TRUE(menu.face(i).Enabled()) << i;
    }
    menu.platform.MouseMove(menu.face(2));
    EXPECT_EQ(Highlighted(menu), 2);
}

// The keyboard moves the pointer's highlight over the visible buttons, round
// the column, and presses the highlighted one as a click does; a screen
// reader hears of each move. A locked column takes no key, and the pointer
// takes over again as soon as it moves.
TEST(Keyboard, MovesTheHighlightOverTheVisibleButtonsAndPressesIt) {
    SettingsFile file = SampleSettings();
    file.buttons[2].button = "";
    file.buttons[3].anw = "drei.exe";
    StartedMenu menu(file);
    MainWindow& form = menu.main();
    const auto press = [&](Key key, bool shift = false) {
        EXPECT_TRUE(menu.platform.KeyDown(form, key, shift));
        return Highlighted(menu);
    };
    EXPECT_EQ(press(Key::kUp), 9);
    EXPECT_EQ(press(Key::kDown), 0);
    EXPECT_EQ(press(Key::kDown), 1);
    EXPECT_EQ(press(Key::kTab), 3);
    EXPECT_EQ(press(Key::kTab, true), 1);
    EXPECT_EQ(press(Key::kUp), 0);
    EXPECT_EQ(press(Key::kUp), 9);
    EXPECT_EQ(press(Key::kDown), 0);
    // Accessible items: the title picture, then the visible buttons.
    const auto* peer = dynamic_cast<HeadlessFormPeer*>(form.Peer());
    EXPECT_EQ(peer->accessibleFocus, (std::vector<int>{9, 1, 2, 3, 2, 1, 9, 1}));

    EXPECT_EQ(press(Key::kDown), 1);
    EXPECT_EQ(press(Key::kTab), 3);
    EXPECT_EQ(press(Key::kEnter), 3);
    EXPECT_EQ(press(Key::kSpace), 3);
    EXPECT_EQ(menu.CommandLines(), (std::vector<std::string>{"drei.exe", "drei.exe"}));

    SetMenuButtonsEnabled(form, false);
    EXPECT_EQ(press(Key::kDown), 3);
    EXPECT_EQ(press(Key::kEnter), 3);
    EXPECT_EQ(menu.platform.started.size(), 2u);
    SetMenuButtonsEnabled(form, true);

    EXPECT_TRUE(menu.platform.MouseMove(menu.face(5)));
    EXPECT_EQ(Highlighted(menu), 5);
    EXPECT_EQ(press(Key::kDown), 6);
}

// What a screen reader is told of the main window: the title picture, which
// opens the information window, and the visible buttons by their labels,
// the highlighted one focused, all unavailable while the column is locked.
TEST(Accessibles, NameTheTitlePictureAndTheVisibleButtonsWithTheirActionsAndStates) {
    SettingsFile file = SampleSettings();
    file.menu.anzahl = 3;
    file.buttons[1].button = "";
    file.buttons[2].anw = "zwei.exe";
    StartedMenu menu(file);
    MainWindow& form = menu.main();
    menu.platform.MouseMove(menu.face(2));
    const AccessibleItems items = form.Accessibles();
    ASSERT_EQ(items.size(), 3u);
    const struct {
        AccessibleItem::Role role;
        const char* name;
        const char* action;
        const Control* area;
        bool focused;
    } expected[] = {
        {AccessibleItem::Role::kGraphic, "Demo", "Informationen", &form.Image1, false},
        {AccessibleItem::Role::kPushButton, "Knopf 0", "Drücken", &form.Picture2(0), false},
        {AccessibleItem::Role::kPushButton, "Knopf 2", "Drücken", &form.Picture2(2), true},
    };
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].role, expected[i].role) << i;
        EXPECT_EQ(items[i].name, expected[i].name) << i;
        EXPECT_EQ(items[i].defaultAction, expected[i].action) << i;
        EXPECT_EQ(items[i].area, expected[i].area) << i;
        EXPECT_EQ(items[i].focused, expected[i].focused) << i;
        EXPECT_FALSE(items[i].unavailable) << i;
    }
    menu.platform.Click(*items[2].target);
    EXPECT_EQ(menu.CommandLines(), std::vector<std::string>{"zwei.exe"});

    menu.platform.Click(*items[0].target);
    EXPECT_TRUE(menu.information().Loaded());
    EXPECT_TRUE(form.Accessibles()[1].unavailable);
    EXPECT_TRUE(form.Accessibles()[2].unavailable);
}

}  // namespace
}  // namespace startart::testing
