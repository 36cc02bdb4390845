// The menu's message loop run by hand, watching what it handles: the pointer
// move that is waited for, and the paints of the menu's window.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace startart::bench {

class ObservedPump {
  public:
    explicit ObservedPump(HWND window) : window_(window) {}

    struct HandledMove {
        // Milliseconds on the performance counter: just before the move was
        // dispatched, and when nothing but input was left waiting after it,
        // paints included.
        double dispatched = 0;
        double settled = 0;
    };
    // Handles messages until the move of the pointer to `point` (in the
    // window's client coordinates) has reached the window, then until
    // nothing but input is left waiting. `afterMove` runs right after the
    // move was dispatched. Nothing when the move did not come within a second.
    std::optional<HandledMove> UntilMoveHandled(POINT point, const std::function<void()>& afterMove = nullptr);
    // Handles messages until nothing is left waiting.
    void Settle();

    // WM_PAINTs dispatched to the window so far.
    int Paints() const { return paints_; }
    // Whether the window has anything to paint.
    bool LeftToPaint() const;

  private:
    // Takes the next message of the kinds (PM_QS_*, or 0 for all), noting a
    // paint of the window; false when none was waiting, which means that no
    // window of this thread has anything left to paint either. Under Wine
    // each jump of the pointer is reported once more when the next jump is
    // made, so that the pointer seems to jump back for a moment, as no hand
    // moves it: a move to another point than the last one awaited is dropped.
    bool Next(MSG& message, UINT kinds);
    static void Dispatch(const MSG& message);

    HWND window_;
    std::optional<POINT> pointer_;
    int paints_ = 0;
};

}  // namespace startart::bench
