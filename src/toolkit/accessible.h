// What a window tells a screen reader about itself: the things in it that a
// user can name and use, each with a role, a name, the action that a click
// on it takes, and its state.
#pragma once

#include <string>
#include <vector>

namespace startart {

class Control;

struct AccessibleItem {
    enum class Role { kPushButton, kGraphic };

    Role role = Role::kPushButton;
    std::string name;
    std::string defaultAction;
    // Where it lies: the bounds of this control.
    const Control* area = nullptr;
    // What its default action clicks.
    Control* target = nullptr;
    // Focused and hot: the highlighted button.
    bool focused = false;
    bool unavailable = false;
};

using AccessibleItems = std::vector<AccessibleItem>;

}  // namespace startart
