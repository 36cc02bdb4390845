// What the main window keeps of its design-time make-up for the buttons it
// does not lay out.
#include "forms/form_definitions.h"

#include <gtest/gtest.h>

#include "test_medium.h"

namespace startart::testing {
namespace {

const ControlDefinition& Named(const std::string& name, int index) {
    for (const ControlDefinition& control : MainWindowDefinition().controls) {
        if (control.name == name && control.index == index) {
            return control;
        }
    }
    throw std::logic_error("no " + name);
}

// Buttons from anzahl up are not laid out: their frames and faces keep the
// rectangles of their definitions, as whole pixels, and their design-time
// look, and nothing is printed on them.
TEST(FormDefinitions, ButtonsBeyondTheCountKeepTheirDefinition) {
    for (const Int16 anzahl : {1, 0, -3}) {
        SettingsFile file = SampleSettings();
        file.menu.anzahl = anzahl;
        StartedMenu menu(file);
        ASSERT_TRUE(menu.started);
        const Screen& screen = menu.main().GetScreen();
        const auto pixels = [&screen](const TwipsRect& r) {
            return PixelRect{screen.ToPixelsX(r.left), screen.ToPixelsY(r.top), screen.ToPixelsX(r.width),
                             screen.ToPixelsY(r.height)};
        };
        EXPECT_EQ(menu.frame(0).Top(), 75) << "button 0 is always laid out";
        for (int i = 1; i < kStoredButtons; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(menu.frame(i).Bounds(), pixels(Named("Picture2", i).rect));
            EXPECT_EQ(menu.face(i).Bounds(), pixels(Named("Picture1", i).rect));
            EXPECT_TRUE(menu.face(i).GetPicture().Empty());
            EXPECT_EQ(menu.face(i).GetFont(), DefaultDialogFont());
            EXPECT_EQ(menu.face(i).ForeColor(), SystemColor(8));
            EXPECT_TRUE(menu.frame(i).Visible());
            EXPECT_EQ(menu.FacePeer(i).printCount, 0);
            EXPECT_FALSE(menu.platform.characterExtra.contains(menu.face(i).hDC()));
        }
    }
}

}  // namespace
}  // namespace startart::testing
