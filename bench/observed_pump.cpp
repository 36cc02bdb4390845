#include "observed_pump.h"

#include <windowsx.h>

#include <algorithm>

#include "clock.h"

namespace startart::bench {
namespace {

constexpr double kMoveTimeoutMs = 1000;

bool IsMoveTo(const MSG& message, HWND window, POINT point) {
    return message.message == WM_MOUSEMOVE && message.hwnd == window && GET_X_LPARAM(message.lParam) == point.x &&
           GET_Y_LPARAM(message.lParam) == point.y;
}

}  // namespace

bool ObservedPump::Next(MSG& message) {
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    if (message.message == WM_PAINT && std::ranges::find(buttonWindows_, message.hwnd) != buttonWindows_.end()) {
        ++buttonPaints_;
    }
    return true;
}

void ObservedPump::Dispatch(const MSG& message) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

std::optional<ObservedPump::HandledMove> ObservedPump::UntilMoveHandled(HWND window,
                                                                        POINT point,
                                                                        const std::function<void()>& afterMove) {
    const double deadline = Milliseconds() + kMoveTimeoutMs;
    std::optional<double> dispatched;
    while (Milliseconds() < deadline) {
        MSG message;
        if (Next(message)) {
            const bool awaited = !dispatched && IsMoveTo(message, window, point);
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
    while (Next(message)) {
        Dispatch(message);
    }
}

bool ObservedPump::ButtonLeftToPaint() const {
    return std::ranges::any_of(buttonWindows_, [](HWND window) { return GetUpdateRect(window, nullptr, FALSE); });
}

}  // namespace startart::bench
