// The menu under the pointer, in this process, on fifteen buttons:
//
// 1. How long the repaint takes when the pointer moves onto another button:
//    the pointer jumps (SetCursorPos) from button to button, and each move is
//    timed from the jump, and from the dispatch of its WM_MOUSEMOVE to the
//    window, until nothing is left to paint.
// 2. How often the buttons repaint while the pointer moves about inside the
//    highlighted one: 1,000 moves, each waited for until it has arrived.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <optional>
#include <vector>

#include "clock.h"
#include "observed_pump.h"
#include "running_menu.h"
#include "statistics.h"
#include "window_peers/window.h"

namespace startart::bench {
namespace {

using win32::WindowOf;
using win32::testing::MediumSettings;
using win32::testing::RunningMenu;

constexpr int kButtons = 15;
constexpr int kRounds = 30;
constexpr int kMovesInside = 1000;
constexpr int kButtonInside = 7;
constexpr double kTargetMedianMs = 1;
constexpr double kTargetP95Ms = 2;

// The buttons, found where the menu's window shows them.
struct Buttons {
    HWND window;
    std::vector<RECT> frames;

    explicit Buttons(const RunningMenu& menu) : window(WindowOf(&menu.MainWindow())) {
        for (int i = 0; i < kButtons; ++i) {
            frames.push_back(menu.ButtonRect(i));
        }
    }
    const RECT& Frame(int button) const { return frames[static_cast<std::size_t>(button)]; }
    // A point of the frame of a button, on the screen, `x` and `y` pixels in.
    POINT OnScreen(int button, int x, int y) const {
        POINT point{Frame(button).left + x, Frame(button).top + y};
        ClientToScreen(window, &point);
        return point;
    }
    POINT Centre(int button) const {
        const RECT& frame = Frame(button);
        return OnScreen(button, (frame.right - frame.left) / 2, (frame.bottom - frame.top) / 2);
    }
    // The pointer put at a screen point, and the move it makes as the window
    // gets it, in its client coordinates.
    POINT PointAt(POINT screen) const {
        SetCursorPos(screen.x, screen.y);
        ScreenToClient(window, &screen);
        return screen;
    }
};

// Moves from button to button. Returns false when a move went missing or
// left the wrong button highlighted or something unpainted.
bool MeasureMovesOnto(const Buttons& buttons, MainWindow& form, ObservedPump& pump) {
    std::vector<double> fromJump;
    std::vector<double> fromDispatch;
    int failures = 0;
    const int paintsBefore = pump.Paints();
    // One round untimed, so that every timed move comes from another button.
    for (int move = -kButtons; move < kRounds * kButtons; ++move) {
        const int button = (move + kButtons) % kButtons;
        pump.Settle();
        const double jumped = Milliseconds();
        const POINT point = buttons.PointAt(buttons.Centre(button));
        const std::optional<ObservedPump::HandledMove> handled = pump.UntilMoveHandled(point);
        if (!handled || form.ButtonHighlight().Asked() != button || pump.LeftToPaint()) {
            ++failures;
        } else if (move >= 0) {
            fromJump.push_back(handled->settled - jumped);
            fromDispatch.push_back(handled->settled - handled->dispatched);
        }
    }
    const int moves = kRounds * kButtons;
    std::printf("Pointer moves onto another button: %d moves over %d buttons, each until nothing is left to paint\n",
                moves, kButtons);
    if (fromDispatch.empty()) {
        std::printf("  no move arrived\n");
        return false;
    }
    const Summary dispatch = Summarize(fromDispatch);
    const Summary jump = Summarize(fromJump);
    std::printf(
        "  from the dispatch of WM_MOUSEMOVE: median %s ms, 95th percentile %s ms, max %s ms (target: median at "
        "most %.0f ms, 95th percentile at most %.0f ms, %s)\n",
        Format(dispatch.median).c_str(), Format(dispatch.p95).c_str(), Format(dispatch.max).c_str(), kTargetMedianMs,
        kTargetP95Ms, dispatch.median <= kTargetMedianMs && dispatch.p95 <= kTargetP95Ms ? "met" : "NOT met");
    std::printf("  from SetCursorPos:                 median %s ms, 95th percentile %s ms, max %s ms\n",
                Format(jump.median).c_str(), Format(jump.p95).c_str(), Format(jump.max).c_str());
    std::printf("  WM_PAINTs: %.2f a move (target: 1)",
                static_cast<double>(pump.Paints() - paintsBefore) / static_cast<double>(moves + kButtons));
    if (failures > 0) {
        std::printf("; %d moves went missing or were not painted", failures);
    }
    std::printf("\n");
    return failures == 0;
}

// Moves inside one highlighted button. Returns false when a move went
// missing or the highlight moved.
bool CountRepaintsInside(const Buttons& buttons, MainWindow& form, ObservedPump& pump) {
    const int button = kButtonInside;
    pump.Settle();
    const bool highlighted =
        pump.UntilMoveHandled(buttons.PointAt(buttons.Centre(button))).has_value() && form.ButtonHighlight().Asked() == button;

    const RECT& frame = buttons.Frame(button);
    // Points one pixel in from the edge, row by row: each differs from the
    // one before, so that each is a move.
    const int columns = frame.right - frame.left - 2;
    const int rows = frame.bottom - frame.top - 2;
    int delivered = 0;
    int invalidatingMoves = 0;
    const int paintsBefore = pump.Paints();
    for (int move = 0; move < kMovesInside; ++move) {
        const POINT point = buttons.PointAt(buttons.OnScreen(button, 1 + move % columns, 1 + move / columns % rows));
        const auto noteInvalidation = [&] { invalidatingMoves += pump.LeftToPaint() ? 1 : 0; };
        delivered += pump.UntilMoveHandled(point, noteInvalidation).has_value() ? 1 : 0;
    }
    const int repaints = pump.Paints() - paintsBefore;
    const bool complete = highlighted && delivered == kMovesInside && form.ButtonHighlight().Asked() == button;
    std::printf("Pointer moves inside the highlighted button %d: %d moves, %d of them delivered%s\n", button,
                kMovesInside, delivered, complete ? "" : ", the highlight did not hold");
    std::printf("  WM_PAINTs: %d; moves that left something to repaint: %d (target: 0, %s)\n", repaints,
                invalidatingMoves, repaints == 0 && invalidatingMoves == 0 ? "met" : "NOT met");
    return complete;
}

int Run() {
    SettingsFile settings = MediumSettings();
    settings.menu.anzahl = kButtons;
    settings.menu.hoehe = 40;
    RunningMenu menu(settings);
    MainWindow& form = menu.MainWindow();
    // The start-up highlight goes with the first tick of the timer.
    if (!menu.PumpUntil([&] { return IsWindowVisible(WindowOf(&form)) && !form.Timer1.Enabled(); })) {
        std::fprintf(stderr, "hover-bench: the menu did not show\n");
        return 1;
    }
    const Buttons buttons(menu);
    ObservedPump pump(buttons.window);
    const bool onto = MeasureMovesOnto(buttons, form, pump);
    const bool inside = CountRepaintsInside(buttons, form, pump);
    return onto && inside ? 0 : 1;
}

}  // namespace
}  // namespace startart::bench

int main() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    try {
        return startart::bench::Run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "hover-bench: %s\n", error.what());
        return 1;
    }
}
