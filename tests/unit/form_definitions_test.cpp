// The design-time make-up of the three windows, and what of it the main
// window keeps for the buttons it does not lay out.
#include "forms/form_definitions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "test_medium.h"

namespace startart::testing {
namespace {

// Frame Picture2(i) and face Picture1(i): Left, Top, Width, Height.
struct ButtonRects {
    TwipsRect frame;
    TwipsRect face;
};
const ButtonRects kButtonRects[15] = {
    {{0, 8400, 1335, 855}, {0, 0, 2155, 495}},      {{0, 10200, 2295, 735}, {0, 0, 2155, 495}},
    {{0, 10200, 2295, 615}, {0, 120, 2155, 495}},   {{0, 10200, 2295, 735}, {0, 0, 2155, 495}},
    {{120, 10320, 2295, 615}, {240, 0, 2155, 495}}, {{120, 10200, 2295, 735}, {0, 0, 2155, 495}},
    {{0, 10200, 2295, 615}, {0, 0, 2155, 495}},     {{120, 10200, 2295, 735}, {0, 0, 2155, 495}},
    {{0, 10320, 2295, 615}, {0, 120, 2155, 495}},   {{0, 10320, 2295, 735}, {0, 0, 2155, 495}},
    {{0, 10320, 2295, 615}, {0, 120, 2155, 495}},   {{0, 10200, 2295, 735}, {120, 120, 2155, 495}},
    {{240, 10320, 2295, 615}, {240, 0, 2155, 495}}, {{360, 10200, 2295, 735}, {0, 120, 2155, 495}},
    {{240, 10320, 2295, 615}, {0, 0, 2155, 495}},
};

const ControlDefinition& Named(const FormDefinition& form, const std::string& name, int index = kNoIndex) {
    for (const ControlDefinition& control : form.controls) {
        if (control.name == name && control.index == index) {
            return control;
        }
    }
    throw std::logic_error("no " + name);
}

const Font kSystemBold{"System", 9.75f, true};

// At 15 twips per pixel.
PixelRect Pixels(const TwipsRect& r) {
    const auto pixels = [](float twips) { return static_cast<int>(std::lround(twips / 15)); };
    return PixelRect{pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height)};
}

// "Name" or "Name(i)" of each control, front to back.
std::vector<std::string> StackingOrder(const FormDefinition& form) {
    std::vector<std::string> names;
    for (const ControlDefinition& control : form.controls) {
        names.push_back(control.index == kNoIndex ? control.name
                                                  : control.name + "(" + std::to_string(control.index) + ")");
    }
    return names;
}

TEST(FormDefinitions, Windows) {
    const struct {
        const FormDefinition& form;
        const char* caption;
        FormBorderStyle border;
        bool inTaskbar;
        StartUpPosition position;
        float width, height;
        std::optional<Font> font;
        bool icon;
    } windows[] = {
        {MainWindowDefinition(), "Form1", FormBorderStyle::kFixedDialog, true, StartUpPosition::kCenterScreen, 10770, 11145,
         std::nullopt, true},
        {InformationWindowDefinition(), "", FormBorderStyle::kFixedToolWindow, false, StartUpPosition::kWindowsDefault, 3495, 2280,
         kSystemBold, false},
        {ReaderNoticeDefinition(), "Form3", FormBorderStyle::kFixedToolWindow, false, StartUpPosition::kWindowsDefault, 5310,
         3390, std::nullopt, false},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.form.name);
        EXPECT_EQ(w.form.caption, w.caption);
        EXPECT_EQ(w.form.borderStyle, w.border);
        EXPECT_FALSE(w.form.maxButton);
        EXPECT_FALSE(w.form.minButton);
        EXPECT_EQ(w.form.showInTaskbar, w.inTaskbar);
        EXPECT_EQ(w.form.startUpPosition, w.position);
        EXPECT_EQ(w.form.clientWidth, w.width);
        EXPECT_EQ(w.form.clientHeight, w.height);
        EXPECT_EQ(w.form.font, w.font);
        EXPECT_EQ(w.form.designIcon, w.icon);
    }
}

TEST(FormDefinitions, MainWindowControlsFrontToBack) {
    const FormDefinition& form = MainWindowDefinition();
    std::vector<std::string> expected{"Timer1"};
    for (int i = 14; i >= 0; --i) {
        expected.push_back("Picture2(" + std::to_string(i) + ")");
        expected.push_back("Picture1(" + std::to_string(i) + ")");
    }
    expected.push_back("Image1");
    EXPECT_EQ(StackingOrder(form), expected);

    const ControlDefinition& timer = Named(form, "Timer1");
    EXPECT_EQ(timer.kind, ControlKind::kTimer);
    EXPECT_FALSE(timer.enabled);
    EXPECT_EQ(timer.interval, 5);
    EXPECT_EQ(Named(form, "Image1").rect, (TwipsRect{0, 0, 7215, 6855}));
    EXPECT_EQ(Named(form, "Image1").kind, ControlKind::kImage);
}

TEST(FormDefinitions, MenuButtons) {
    const FormDefinition& form = MainWindowDefinition();
    for (int i = 0; i < 15; ++i) {
        SCOPED_TRACE(i);
        const ControlDefinition& frame = Named(form, "Picture2", i);
        const ControlDefinition& face = Named(form, "Picture1", i);
        EXPECT_EQ(frame.rect, kButtonRects[i].frame);
        EXPECT_EQ(face.rect, kButtonRects[i].face);
        EXPECT_EQ(frame.tabIndex, 2 * i);
        EXPECT_EQ(face.tabIndex, 2 * i + 1);
        EXPECT_EQ(frame.container, "");
        EXPECT_EQ(face.container, "Picture2");
        for (const ControlDefinition* box : {&frame, &face}) {
            EXPECT_EQ(box->kind, ControlKind::kPictureBox);
            EXPECT_EQ(box->backColor, SystemColor(5));
            EXPECT_EQ(box->foreColor, SystemColor(8));
            EXPECT_TRUE(box->visible);
            EXPECT_TRUE(box->enabled);
            EXPECT_FALSE(box->font);
        }
        EXPECT_GE(frame.rect.top, 8400);
    }
}

TEST(FormDefinitions, SecondaryWindowControls) {
    const struct {
        const FormDefinition& form;
        const char* name;
        ControlKind kind;
        TwipsRect rect;
        int tabIndex;
        const char* caption;
        std::optional<Font> font = std::nullopt;
        int border = 0;
        LabelAlignment alignment = LabelAlignment::kLeft;
    } controls[] = {
        {InformationWindowDefinition(), "Command2", ControlKind::kCommandButton, {1440, 1800, 1935, 375}, 1, "Velmo-Homepage"},
        {InformationWindowDefinition(), "Command1", ControlKind::kCommandButton, {120, 1800, 1215, 375}, 0, "Verlassen"},
        {InformationWindowDefinition(),
         "Label1",
         ControlKind::kLabel,
         {120, 120, 3015, 1575},
         2,
         "Label1",
         std::nullopt,
         1,
         LabelAlignment::kCenter},
        {ReaderNoticeDefinition(),
         "Command2",
         ControlKind::kCommandButton,
         {3120, 2760, 1695, 495},
         1,
         "Abbrechen",
         kSystemBold},
        {ReaderNoticeDefinition(),
         "Command1",
         ControlKind::kCommandButton,
         {480, 2760, 1695, 495},
         0,
         "Installieren",
         kSystemBold},
        {ReaderNoticeDefinition(), "Label2", ControlKind::kLabel, {360, 360, 3615, 2175}, 3, "Label2"},
        {ReaderNoticeDefinition(), "Label1", ControlKind::kLabel, {0, 0, 4215, 2655}, 2, "Label1", std::nullopt, 1},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.form.name + "." + c.name);
        const ControlDefinition& control = Named(c.form, c.name);
        EXPECT_EQ(control.kind, c.kind);
        EXPECT_EQ(control.rect, c.rect);
        EXPECT_EQ(control.tabIndex, c.tabIndex);
        EXPECT_EQ(control.caption, c.caption);
        EXPECT_EQ(control.font, c.font);
        EXPECT_EQ(control.borderStyle, c.border);
        EXPECT_EQ(control.alignment, c.alignment);
    }
    EXPECT_EQ(StackingOrder(InformationWindowDefinition()), (std::vector<std::string>{"Command2", "Command1", "Label1"}));
    EXPECT_EQ(StackingOrder(ReaderNoticeDefinition()), (std::vector<std::string>{"Command2", "Command1", "Label2", "Label1"}));
}

// Buttons from anzahl up are not laid out: their frames and faces keep the
// rectangles above, as whole pixels, and their design-time look.
TEST(FormDefinitions, ButtonsBeyondTheCountKeepTheirDefinition) {
    for (const Int16 anzahl : {1, 0, -3}) {
        SettingsFile file = SampleSettings();
        file.menu.anzahl = anzahl;
        StartedMenu menu(file);
        ASSERT_TRUE(menu.started);
        EXPECT_EQ(menu.frame(0).Top(), 75) << "button 0 is always laid out";
        for (int i = 1; i < 15; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(menu.frame(i).Bounds(), Pixels(kButtonRects[i].frame));
            EXPECT_EQ(menu.face(i).Bounds(), Pixels(kButtonRects[i].face));
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
