// Where the controls of a form lie on its client area, the order its one back
// buffer is painted in, and the control that the pointer is over. Picture
// boxes lie above the image and the labels, as child windows would; among
// controls of one kind the one listed first lies in front; what a picture box
// contains lies above it and shows only inside it. Command buttons are child
// windows of their own and none of this concerns them.
// Needs: gdi32 (rectangles).
#pragma once

#include <windows.h>

#include <vector>

#include "dpi_scale.h"
#include "toolkit/form.h"

namespace startart::win32 {

// The control's rectangle in its form's client area, in device pixels at the
// scale. A picture box inside another lies in tiles of its container's size,
// as its own pixels do (BoxTile): the cell of a button picture that a frame
// shows fills the frame's device area exactly.
RECT RectInForm(const Control& control, const DpiScale& scale);

// The part of the client area where the control shows: its rectangle cut to
// those of its containers; empty where it or a container is hidden.
RECT ShownArea(const Control& control, const DpiScale& scale);

// The logical size of the tiles that a control's own pixels are scaled in:
// its container's size, or none (0 x 0) at the top of the form.
PixelSize BoxTile(const Control& control);

// The controls the form paints, back to front.
std::vector<const Control*> PaintOrder(const Form& form);

// The control that pointer input at a device point of the client area goes
// to: the frontmost visible control there. A disabled picture box passes the
// input on to its container, and at the top to what lies below it, as a
// disabled child window passes it to its parent. The form itself where
// nothing is.
Control& PointerTarget(Form& form, POINT client, const DpiScale& scale);

}  // namespace startart::win32
