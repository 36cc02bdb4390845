// The design-time make-up of a window and its controls: plain data from which
// a form builds itself each time it is loaded.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "toolkit/color.h"
#include "toolkit/font.h"
#include "toolkit/geometry.h"

namespace startart {

enum class ControlKind { kForm, kPictureBox, kImage, kLabel, kCommandButton, kTimer };

// Frames of a window.
enum class FormBorderStyle { kFixedDialog = 3, kFixedToolWindow = 4 };

enum class StartUpPosition { kCenterScreen = 2, kWindowsDefault = 3 };

enum class LabelAlignment { kLeft = 0, kRight = 1, kCenter = 2 };

inline constexpr int kNoIndex = -1;

struct ControlDefinition {
    ControlKind kind = ControlKind::kPictureBox;
    std::string name;
    int index = kNoIndex;
    // Empty: the window's client area. Otherwise the container control's name;
    // a control of an array lies in the container of the same index.
    std::string container;
    TwipsRect rect;
    int tabIndex = kNoIndex;
    std::string caption;
    // Empty: the window's font.
    std::optional<Font> font;
    OleColor backColor = kColorButtonFace;
    OleColor foreColor = kColorButtonText;
    // 0 none, 1 a single line.
    int borderStyle = 0;
    LabelAlignment alignment = LabelAlignment::kLeft;
    bool enabled = true;
    bool visible = true;
    // Command buttons only: Esc presses it.
    bool cancel = false;
    // Timers only, in milliseconds.
    int interval = 0;

    bool operator==(const ControlDefinition&) const = default;
};

struct FormDefinition {
    std::string name;
    std::string caption;
    FormBorderStyle borderStyle = FormBorderStyle::kFixedDialog;
    bool showInTaskbar = true;
    StartUpPosition startUpPosition = StartUpPosition::kWindowsDefault;
    // The client area; the outer window adds the platform's frame.
    float clientWidth = 0;
    float clientHeight = 0;
    // Empty: the toolkit's default dialog font.
    std::optional<Font> font;
    OleColor backColor = kColorButtonFace;
    // True: the program's own design-time icon. False: none.
    bool designIcon = false;
    // Front to back.
    std::vector<ControlDefinition> controls;

    bool operator==(const FormDefinition&) const = default;
};

}  // namespace startart
