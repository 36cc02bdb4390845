// The layers of a form's client area.
#include "paint/form_layers.h"

#include <ranges>

namespace startart::win32 {
namespace {

bool IsPictureBox(const Control& control) {
    return control.Kind() == ControlKind::kPictureBox;
}

bool IsDrawnByTheForm(const Control& control) {
    return control.Kind() == ControlKind::kImage || control.Kind() == ControlKind::kLabel;
}

// Back to front: the picture box, then what it contains.
void AddBoxBackToFront(const Form& form, const Control& box, std::vector<const Control*>& order) {
    order.push_back(&box);
    for (const auto& control : form.Controls() | std::views::reverse) {
        if (control->Container() == &box && IsPictureBox(*control)) {
            AddBoxBackToFront(form, *control, order);
        }
    }
}

// The frontmost visible picture box directly in the container (null: the
// form) with the point inside.
Control* BoxAt(const Form& form, const Control* container, POINT point, const DpiScale& scale) {
    for (const auto& control : form.Controls()) {
        if (control->Container() == container && IsPictureBox(*control) && control->Visible()) {
            const RECT rect = RectInForm(*control, scale);
            if (PtInRect(&rect, point)) {
                return control.get();
            }
        }
    }
    return nullptr;
}

// The frontmost visible image or label under the point: those have no
// window of their own.
Control* DrawnControlAt(const Form& form, POINT point, const DpiScale& scale) {
    for (const auto& control : form.Controls()) {
        const RECT shown = ShownArea(*control, scale);
        if (IsDrawnByTheForm(*control) && !control->Container() && PtInRect(&shown, point)) {
            return control.get();
        }
    }
    return nullptr;
}

}  // namespace

PixelSize BoxTile(const Control& control) {
    const Control* container = control.Container();
    return container ? PixelSize{container->Bounds().width, container->Bounds().height} : PixelSize{};
}

RECT RectInForm(const Control& control, const DpiScale& scale) {
    RECT rect = scale.ToDevice(control.Bounds(), BoxTile(control));
    if (const Control* container = control.Container()) {
        const RECT outer = RectInForm(*container, scale);
        OffsetRect(&rect, outer.left, outer.top);
    }
    return rect;
}

RECT ShownArea(const Control& control, const DpiScale& scale) {
    RECT shown = RectInForm(control, scale);
    for (const Control* c = &control; c; c = c->Container()) {
        const RECT rect = RectInForm(*c, scale);
        if (!c->Visible() || !IntersectRect(&shown, &shown, &rect)) {
            return RECT{};
        }
    }
    return shown;
}

std::vector<const Control*> PaintOrder(const Form& form) {
    std::vector<const Control*> order;
    for (const auto& control : form.Controls() | std::views::reverse) {
        if (!control->Container() && IsDrawnByTheForm(*control)) {
            order.push_back(control.get());
        }
    }
    for (const auto& control : form.Controls() | std::views::reverse) {
        if (!control->Container() && IsPictureBox(*control)) {
            AddBoxBackToFront(form, *control, order);
        }
    }
    return order;
}

Control& PointerTarget(Form& form, POINT client, const DpiScale& scale) {
    Control* target = nullptr;
    for (Control* box = BoxAt(form, nullptr, client, scale); box; box = BoxAt(form, box, client, scale)) {
        target = box;
    }
    while (target && !target->Enabled()) {
        target = target->Container();
    }
    if (target) {
        return *target;
    }
    Control* drawn = DrawnControlAt(form, client, scale);
    return drawn ? *drawn : form;
}

}  // namespace startart::win32
