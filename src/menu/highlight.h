// Which button of the column is lit: the one the pointer or the keyboard last
// asked for, whether the column must be painted anew for it, and the one the
// last painting lit. The pointer asks at a high rate, so a request for the
// button already asked for paints nothing.
#pragma once

#include "basic/int16.h"

namespace startart {

class Highlight {
  public:
    // The index that means no button at all; real buttons are 0 to 14.
    static constexpr Int16 kNoButton = 100;

    // The button last asked for, or kNoButton.
    Int16 Asked() const { return asked_; }
    // Whether the column waits to be painted.
    bool Pending() const { return pending_; }
    // The button the last painting lit, or -1.
    int Lit() const { return lit_; }

    // Asks for a button: the column is to be painted only when it differs
    // from the one asked for last.
    void Ask(Int16 button) {
        if (button != asked_) {
            asked_ = button;
            pending_ = true;
        }
    }
    // Asks for a button and has the column painted in any case.
    void Renew(Int16 button) {
        asked_ = button;
        PaintAnew();
    }
    // Has the column painted, whatever was asked for.
    void PaintAnew() { pending_ = true; }
    // The column was painted with this button lit (-1: none).
    void Painted(int lit) {
        lit_ = lit;
        pending_ = false;
    }

  private:
    Int16 asked_ = kNoButton;
    bool pending_ = false;
    int lit_ = -1;
};

}  // namespace startart
