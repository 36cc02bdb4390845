// The peer of a timer: a Windows timer on its form's window that runs while
// the timer is enabled and has an interval.
// Needs: user32.
#pragma once

#include "toolkit/control.h"
#include "toolkit/peer.h"

namespace startart::win32 {

class FormWindow;

class TimerPeer : public ControlPeer {
  public:
    TimerPeer(FormWindow& form, Timer& timer);
    ~TimerPeer() override;
    TimerPeer(const TimerPeer&) = delete;
    TimerPeer& operator=(const TimerPeer&) = delete;

    void Update(Property changed) override;

  private:
    FormWindow& form_;
    Timer& timer_;
};

}  // namespace startart::win32
