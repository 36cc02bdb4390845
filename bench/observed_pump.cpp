#include "observed_pump.h"

#include <windowsx.h>

#include "clock.h"

namespace startart::bench {
namespace {

constexpr double kMoveTimeoutMs = 1000;
constexpr UINT kAll = 0;
constexpr UINT kAllButInput = PM_QS_PAINT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE;

bool IsMoveTo(const MSG& message, HWND window, POINT point) {
    return message.message == WM_MOUSEMOVE && message.hwnd == window && GET_X_LPARAM(message.lParam) == point.x &&
           GET_Y_LPARAM(message.lParam) == point.y;
}

}  // namespace

bool ObservedPump::Next(MSG& message, UINT kinds) {
    do {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | kinds)) {
            return false;
        }
    } while (message.message == WM_MOUSEMOVE && message.hwnd == window_ && pointer_ &&
             !IsMoveTo(message, window_, *pointer_));
    if (message.message == WM_PAINT && message.hwnd == window_) {
        ++paints_;
    }
    return true;
}

void ObservedPump::Dispatch(const MSG& message) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

std::optional<ObservedPump::HandledMove> ObservedPump::UntilMoveHandled(POINT point,
                                                                        const std::function<void()>& afterMove) {
    const double deadline = Milliseconds() + kMoveTimeoutMs;
    pointer_ = point;
    std::optional<double> dispatched;
    while (Milliseconds() < deadline) {
        MSG message;
        // Once the move is handled, input waits: above 100 %, Wine reports a
        // jump of the pointer once more as the display echoes it, and reading
        // that echo (a fifth of a millisecond) belongs to the jump, not to
        // its repaint.
        if (Next(message, dispatched ? kAllButInput : kAll)) {
            const bool awaited = !dispatched && IsMoveTo(message, window_, point);
            if (awaited) {
                dispatched = Milliseconds();
            }
            Dispatch(message);
            if (awaited && afterMove) {
                afterMove();
            }
            continue;
        }
        if (dispatched) {
            return HandledMove{*dispatched, Milliseconds()};
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    return std::nullopt;
}

void ObservedPump::Settle() {
    MSG message;
    while (Next(message, kAll)) {
        Dispatch(message);
    }
}

bool ObservedPump::LeftToPaint() const {
    return GetUpdateRect(window_, nullptr, FALSE);
}

}  // namespace startart::bench
