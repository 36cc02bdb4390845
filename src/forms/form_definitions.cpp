#include "forms/form_definitions.h"

#include <array>

#include "config/settings.h"

namespace startart {
namespace {

const Font kSystemBold{"System", 9.75f, true};

ControlDefinition CommandButtonAt(const char* name, TwipsRect rect, int tabIndex, const char* caption) {
    ControlDefinition button;
    button.kind = ControlKind::kCommandButton;
    button.name = name;
    button.rect = rect;
    button.tabIndex = tabIndex;
    button.caption = caption;
    return button;
}

// The button that closes its window is the one Esc presses.
ControlDefinition LeaveButton(ControlDefinition button) {
    button.cancel = true;
    return button;
}

ControlDefinition LabelAt(const char* name, TwipsRect rect, int tabIndex, int borderStyle, LabelAlignment alignment) {
    ControlDefinition label;
    label.kind = ControlKind::kLabel;
    label.name = name;
    label.rect = rect;
    label.tabIndex = tabIndex;
    label.caption = name;
    label.borderStyle = borderStyle;
    label.alignment = alignment;
    return label;
}

ControlDefinition ButtonPart(const char* name, int index, const char* container, TwipsRect rect, int tabIndex) {
    ControlDefinition box;
    box.kind = ControlKind::kPictureBox;
    box.name = name;
    box.index = index;
    box.container = container;
    box.rect = rect;
    box.tabIndex = tabIndex;
    box.backColor = kColorWindow;
    box.foreColor = kColorWindowText;
    return box;
}

struct MenuButtonDefinition {
    TwipsRect frame;
    TwipsRect face;
};

// Left, Top, Width, Height of frame Picture2(i) and face Picture1(i). The
// layout replaces these for every configured button; the others keep them.
constexpr std::array<MenuButtonDefinition, kStoredButtons> kMenuButtons = {{
    {{0, 8400, 1335, 855}, {0, 0, 2155, 495}},
    {{0, 10200, 2295, 735}, {0, 0, 2155, 495}},
    {{0, 10200, 2295, 615}, {0, 120, 2155, 495}},
    {{0, 10200, 2295, 735}, {0, 0, 2155, 495}},
    {{120, 10320, 2295, 615}, {240, 0, 2155, 495}},
    {{120, 10200, 2295, 735}, {0, 0, 2155, 495}},
    {{0, 10200, 2295, 615}, {0, 0, 2155, 495}},
    {{120, 10200, 2295, 735}, {0, 0, 2155, 495}},
    {{0, 10320, 2295, 615}, {0, 120, 2155, 495}},
    {{0, 10320, 2295, 735}, {0, 0, 2155, 495}},
    {{0, 10320, 2295, 615}, {0, 120, 2155, 495}},
    {{0, 10200, 2295, 735}, {120, 120, 2155, 495}},
    {{240, 10320, 2295, 615}, {240, 0, 2155, 495}},
    {{360, 10200, 2295, 735}, {0, 120, 2155, 495}},
    {{240, 10320, 2295, 615}, {0, 0, 2155, 495}},
}};

FormDefinition MakeMainWindow() {
    FormDefinition form;
    form.name = "Form1";
    form.caption = "Form1";
    form.borderStyle = FormBorderStyle::kFixedDialog;
    form.showInTaskbar = true;
    form.startUpPosition = StartUpPosition::kCenterScreen;
    form.clientWidth = 10770;
    form.clientHeight = 11145;
    form.designIcon = true;

    ControlDefinition timer;
    timer.kind = ControlKind::kTimer;
    timer.name = "Timer1";
    timer.enabled = false;
    timer.interval = 5;
    form.controls.push_back(timer);

    for (int i = kStoredButtons - 1; i >= 0; --i) {
        const MenuButtonDefinition& button = kMenuButtons[static_cast<std::size_t>(i)];
        form.controls.push_back(ButtonPart("Picture2", i, "", button.frame, 2 * i));
        form.controls.push_back(ButtonPart("Picture1", i, "Picture2", button.face, 2 * i + 1));
    }

    ControlDefinition image;
    image.kind = ControlKind::kImage;
    image.name = "Image1";
    image.rect = {0, 0, 7215, 6855};
    form.controls.push_back(image);
    return form;
}

FormDefinition MakeInformationWindow() {
    FormDefinition form;
    form.name = "Form2";
    form.borderStyle = FormBorderStyle::kFixedToolWindow;
    form.showInTaskbar = false;
    form.startUpPosition = StartUpPosition::kWindowsDefault;
    form.clientWidth = 3495;
    form.clientHeight = 2280;
    form.font = kSystemBold;
    form.controls = {
        CommandButtonAt("Command2", {1440, 1800, 1935, 375}, 1, "Velmo-Homepage"),
        LeaveButton(CommandButtonAt("Command1", {120, 1800, 1215, 375}, 0, "Verlassen")),
        LabelAt("Label1", {120, 120, 3015, 1575}, 2, 1, LabelAlignment::kCenter),
    };
    return form;
}

FormDefinition MakeReaderNotice() {
    FormDefinition form;
    form.name = "Form3";
    form.caption = "Form3";
    form.borderStyle = FormBorderStyle::kFixedToolWindow;
    form.showInTaskbar = false;
    form.startUpPosition = StartUpPosition::kWindowsDefault;
    form.clientWidth = 5310;
    form.clientHeight = 3390;
    ControlDefinition install = CommandButtonAt("Command1", {480, 2760, 1695, 495}, 0, "Installieren");
    ControlDefinition cancel = LeaveButton(CommandButtonAt("Command2", {3120, 2760, 1695, 495}, 1, "Abbrechen"));
    install.font = kSystemBold;
    cancel.font = kSystemBold;
    form.controls = {
        cancel,
        install,
        LabelAt("Label2", {360, 360, 3615, 2175}, 3, 0, LabelAlignment::kLeft),
        LabelAt("Label1", {0, 0, 4215, 2655}, 2, 1, LabelAlignment::kLeft),
    };
    return form;
}

}  // namespace

const FormDefinition& MainWindowDefinition() {
    static const FormDefinition definition = MakeMainWindow();
    return definition;
}

const FormDefinition& InformationWindowDefinition() {
    static const FormDefinition definition = MakeInformationWindow();
    return definition;
}

const FormDefinition& ReaderNoticeDefinition() {
    static const FormDefinition definition = MakeReaderNotice();
    return definition;
}

}  // namespace startart
