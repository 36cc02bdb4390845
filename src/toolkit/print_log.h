// What a picture box shows of Cls and Print: the text printed since it was
// last cleared, and a Cls asked for but not carried out yet. A Cls that the
// same Print follows changes nothing on the box, as a repaint of every button
// brings to the buttons whose look stays, so the pair costs no drawing.
#pragma once

#include <string>
#include <vector>

#include "toolkit/color.h"
#include "toolkit/font.h"
#include "toolkit/geometry.h"

namespace startart {

// One Print with everything that decides what it draws.
struct PrintedText {
    std::string text;
    PixelPoint at;
    Font font;
    OleColor color = 0;
    int characterExtra = 0;

    bool operator==(const PrintedText&) const = default;
};

class PrintLog {
  public:
    // What a Print must do to the box.
    enum class Drawing {
        kNone,           // it repeats what a pending Cls would clear
        kText,           // it draws on what the box shows
        kClearThenText,  // the pending Cls goes first
    };

    void Cls() { clsPending_ = true; }
    Drawing Print(PrintedText printed);
    // Carries out a pending Cls: true when the box must be cleared now.
    bool TakeCls();
    // The box was made anew, without text.
    void Reset();
    // What was printed since the box was last cleared, first first.
    const std::vector<PrintedText>& Printed() const { return printed_; }

  private:
    std::vector<PrintedText> printed_;
    bool clsPending_ = false;
};

}  // namespace startart
