// The button column: where the frames lie, which cell each face shows, and
// what every laid-out face gets from the settings.
#include <gtest/gtest.h>

#include "test_medium.h"

namespace startart::testing {
namespace {

TEST(ButtonLayout, FramesStackDownTheColumnRightOfTheTitlePicture) {
    StartedMenu menu;
    ASSERT_TRUE(menu.started);
    // 144 x 40 pixel cells, 75 twips apart: frame i at 75 + i * (600 + 75).
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(menu.frame(i).Top(), 75 + i * 675);
        EXPECT_EQ(menu.frame(i).Left(), 7215 + 75);
        EXPECT_EQ(menu.frame(i).Width(), 2160);
        EXPECT_EQ(menu.frame(i).Height(), 600);
        EXPECT_TRUE(menu.frame(i).Visible());
    }
    EXPECT_EQ(menu.frame(2).Top(), 1425);
}

TEST(ButtonLayout, AnEmptyLabelHidesTheFrameButKeepsItsPlace) {
    SettingsFile file = SampleSettings();
    file.menu.anzahl = 5;
    file.buttons[0].button = "";
    file.buttons[2].button = "";
    file.buttons[2].buttonb = "nur hervorgehoben";
    StartedMenu menu(file);
    ASSERT_TRUE(menu.started);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(menu.frame(i).Visible(), i != 0 && i != 2);
        EXPECT_EQ(menu.frame(i).Top(), 75 + i * 675);
        EXPECT_TRUE(menu.face(i).Visible());
    }
}

// Frame i is placed from frame i - 1 as the window holds it, in whole pixels:
// at 12 twips per pixel 75 twips of gap land on 6 pixels, then 52, then 98.
TEST(ButtonLayout, EachFrameFollowsItsPredecessorAsHeld) {
    Menu menu;
    menu.platform.metrics = ScreenMetrics{12, 12, 1280, 1024};
    ASSERT_TRUE(menu.Start());
    const int expectedTops[] = {6, 52, 98, 144};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(menu.frame(i).Bounds().top, expectedTops[i]) << i;
    }
}

// Cells are counted in pixels of the button picture, whatever the scale, with
// the horizontal factor for widths and the vertical one for heights. The
// title picture leaves room for one cell and 225 twips.
TEST(ButtonLayout, FramesShowExactlyOneCellAtAnyScale) {
    const struct {
        ScreenMetrics metrics;
        int imageWidth, column;  // pixels
    } cases[] = {
        {{15, 15, 1024, 768}, 481, 486},
        {{12, 12, 1024, 768}, 637, 643},
        {{12, 15, 1024, 768}, 637, 643},
        {{15, 12, 1024, 768}, 481, 486},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.metrics.twipsPerPixelX << " x " << c.metrics.twipsPerPixelY);
        Menu menu;
        menu.platform.metrics = c.metrics;
        menu.settings.menu.style = 7;
        ASSERT_TRUE(menu.Start());
        EXPECT_EQ(menu.main().Image1.Bounds().width, c.imageWidth);
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(menu.frame(i).Bounds().left, c.column);
            EXPECT_EQ(menu.frame(i).Bounds().width, 144);
            EXPECT_EQ(menu.frame(i).Bounds().height, 40);
            EXPECT_EQ(menu.face(i).Bounds(), (PixelRect{-144, -80, 720, 160}));
        }
    }
}

TEST(ButtonLayout, TheDesignPicksTheFacesOffset) {
    // In pixels of the 144 x 40 cells: designs up to 5 on row 0, from 6 on row 2.
    const struct {
        Int16 style;
        int left, top;
    } designs[] = {{0, 144, 0}, {1, 0, 0}, {3, -288, 0}, {5, -576, 0}, {6, 0, -80}, {7, -144, -80}, {9, -432, -80}};
    for (const auto& d : designs) {
        SettingsFile file = SampleSettings();
        file.menu.style = d.style;
        StartedMenu menu(file);
        ASSERT_TRUE(menu.started);
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(menu.face(i).Left(), d.left * 15) << "style " << d.style << ", face " << i;
            EXPECT_EQ(menu.face(i).Top(), d.top * 15) << "style " << d.style << ", face " << i;
        }
    }
}

TEST(ButtonLayout, AllFacesShareTheOneButtonPicture) {
    StartedMenu menu;
    const Picture& picture = menu.face(0).GetPicture();
    ASSERT_FALSE(picture.Empty());
    EXPECT_EQ(dynamic_cast<const HeadlessPicture&>(*picture.Data()).Path(), "D:\\medium\\knopf.bmp");
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(menu.face(i).GetPicture(), picture) << i;
        EXPECT_TRUE(menu.face(i).AutoRedraw()) << i;
        EXPECT_EQ(menu.face(i).Bounds().width, 720) << i;
        EXPECT_EQ(menu.face(i).Bounds().height, 160) << i;
    }
}

TEST(ButtonLayout, EveryFaceGetsTheLabelFontColourAndSpacing) {
    for (const auto& [laufweite, fett] : {std::pair<Int16, bool>{0, false}, {3, true}, {-2, true}}) {
        SettingsFile file = SampleSettings();
        file.menu.laufweite = laufweite;
        file.menu.art = "Courier New";
        file.menu.groesse = 14;
        file.menu.fett = fett;
        file.menu.schriftfarbe = Colour{10, 20, 30};
        StartedMenu menu(file);
        ASSERT_TRUE(menu.started);
        for (int i = 0; i < 10; ++i) {
            SCOPED_TRACE(::testing::Message() << "laufweite " << laufweite << ", face " << i);
            EXPECT_EQ(menu.face(i).GetFont(), (Font{"Courier New", 14, fett}));
            EXPECT_EQ(menu.face(i).ForeColor(), Rgb(10, 20, 30));
            EXPECT_EQ(menu.platform.characterExtra.at(menu.face(i).hDC()), laufweite);
            ASSERT_EQ(menu.FacePeer(i).surface.size(), 1u);
            EXPECT_EQ(menu.FacePeer(i).surface[0].characterExtra, laufweite);
            EXPECT_EQ(menu.FacePeer(i).surface[0].color, Rgb(10, 20, 30));
        }
    }
}

}  // namespace
}  // namespace startart::testing
