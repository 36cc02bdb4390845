// Timers on the form's window.
// Needs: user32.
#include "window_peers/timer_peer.h"

#include "window_peers/form_window.h"

namespace startart::win32 {

TimerPeer::TimerPeer(FormWindow& form, Timer& timer) : form_(form), timer_(timer) {
    Update(Property::kEnabled);
}

TimerPeer::~TimerPeer() {
    form_.StopTimer(timer_);
}

void TimerPeer::Update(Property changed) {
    if (changed != Property::kEnabled) {
        return;
    }
    if (timer_.Enabled() && timer_.Interval() > 0) {
        form_.StartTimer(timer_, static_cast<UINT>(timer_.Interval()));
    } else {
        form_.StopTimer(timer_);
    }
}

}  // namespace startart::win32
