// The layers of a form's client area.
#include "form_layers.h"

#include <ranges>

#include "gdi.h"

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
Control* BoxAt(const Form& form, const Control* container, POINT point) {
    for (const auto& control : form.Controls()) {
        if (control->Container() == container && IsPictureBox(*control) && control->Visible()) {
            const RECT rect = RectInForm(*control);
            if (PtInRect(&rect, point)) {
                return control.get();
            }
        }
    }
    return nullptr;
}

}  // namespace

RECT RectInForm(const Control& control) {
    RECT rect = ToRect(control.Bounds());
    for (const Control* container = control.Container(); container; container = container->Container()) {
        OffsetRect(&rect, container->Bounds().left, container->Bounds().top);
    }
    return rect;
}

RECT ShownArea(const Control& control) {
    RECT shown = RectInForm(control);
    for (const Control* c = &control; c; c = c->Container()) {
        const RECT rect = RectInForm(*c);
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

Control& PointerTarget(Form& form, PixelPoint client) {
    const POINT point{client.x, client.y};
    Control* target = nullptr;
    for (Control* box = BoxAt(form, nullptr, point); box; box = BoxAt(form, box, point)) {
        target = box;
    }
    while (target && !target->Enabled()) {
        target = target->Container();
    }
    if (target) {
        return *target;
    }
    Control* windowless = form.WindowlessControlAt(client);
    return windowless ? *windowless : form;
}

}  // namespace startart::win32
