// The one door through which the platform enters core code: start-up, every
// window message that runs a handler, the timer. No exception passes it. A
// run-time error is reported in a message box and ends the program; the end
// signal ends it without a message. Once the program is ending, no further
// handler runs.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "basic/program_end.h"
#include "toolkit/peer.h"

namespace startart {

class Platform;
class RuntimeError;

class EventBarrier {
  public:
    explicit EventBarrier(Platform& platform) : platform_(platform) {}
    EventBarrier(const EventBarrier&) = delete;
    EventBarrier& operator=(const EventBarrier&) = delete;

    // True when the handler ran to its end.
    bool Run(const std::function<void()>& handler) noexcept;

    bool Ending() const { return ending_; }

    // Keeps an unloaded window's peer alive until the outermost handler has
    // returned: a window may be unloaded from inside its own event.
    void Retire(std::unique_ptr<ControlPeer> peer);

  private:
    // Reports the exception being handled; call it from a catch block.
    void Report() noexcept;
    void End(ExitStatus status) noexcept;

    Platform& platform_;
    bool ending_ = false;
    int depth_ = 0;
    std::vector<std::unique_ptr<ControlPeer>> retired_;
};

// "Laufzeitfehler '53':" CRLF CRLF "Datei nicht gefunden"
std::string FormatRuntimeError(int number, const std::string& description);
// The same with a number given as text, such as a fault's code in hex.
std::string FormatRuntimeError(std::string_view number, const std::string& description);

// The report of the exception being handled, in that form: a run-time error
// as it is, a lack of memory as error 7, anything else as an internal error.
// Call it only from inside a catch block.
std::string ReportOfCurrentException();

}  // namespace startart
