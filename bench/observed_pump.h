// The menu's message loop run by hand, watching what it handles: the pointer
// move that is waited for, and the paints of the button windows.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

namespace startart::bench {

class ObservedPump {
  public:
    // The faces and frames of the buttons.
    explicit ObservedPump(std::vector<HWND> buttonWindows) : buttonWindows_(std::move(buttonWindows)) {}

    struct HandledMove {
        // Milliseconds on the performance counter: just before the move was
        // dispatched, and when nothing was left waiting after it, paints
        // included.
        double dispatched = 0;
        double settled = 0;
    };
    // Handles messages until the move of the pointer to `point` (in the
    // client coordinates of `window`) has reached that window, then until
    // nothing is left waiting. `afterMove` runs right after the move was
    // dispatched. Nothing when the move did not come within a second.
    std::optional<HandledMove> UntilMoveHandled(HWND window,
                                                POINT point,
                                                const std::function<void()>& afterMove = nullptr);
    // Handles messages until nothing is left waiting.
    void Settle();

    // WM_PAINTs dispatched to a button window so far.
    int ButtonPaints() const { return buttonPaints_; }
    // Whether a button window has anything to paint.
    bool ButtonLeftToPaint() const;

  private:
    // Takes the next message, noting a paint of a button window; false when
    // none was waiting, which means that no window of this thread has
    // anything left to paint either.
    bool Next(MSG& message);
    static void Dispatch(const MSG& message);

    std::vector<HWND> buttonWindows_;
    int buttonPaints_ = 0;
};

}  // namespace startart::bench
