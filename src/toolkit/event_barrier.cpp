#include "toolkit/event_barrier.h"

#include <new>

#include "toolkit/peer.h"

#include "basic/runtime_error.h"
#include "toolkit/platform.h"

namespace startart {
namespace {

constexpr int kOutOfMemory = 7;
constexpr int kInternalError = 51;

}  // namespace

std::string FormatRuntimeError(int number, const std::string& description) {
    return FormatRuntimeError(std::to_string(number), description);
}

std::string FormatRuntimeError(std::string_view number, const std::string& description) {
    return "Laufzeitfehler '" + std::string(number) + "':\r\n\r\n" + description;
}

std::string ReportOfCurrentException() {
    try {
        throw;
    } catch (const RuntimeError& error) {
        return FormatRuntimeError(error.Number(), error.Description());
    } catch (const std::bad_alloc&) {
        return FormatRuntimeError(kOutOfMemory, "Nicht genügend Speicher");
    } catch (...) {
        return FormatRuntimeError(kInternalError, "Interner Fehler");
    }
}

bool EventBarrier::Run(const std::function<void()>& handler) noexcept {
    if (ending_) {
        return false;
    }
    ++depth_;
    bool completed = false;
    try {
        handler();
        completed = true;
    } catch (const ProgramEnd& end) {
        End(end.status);
    } catch (...) {
        Report();
    }
    if (--depth_ == 0) {
        // Taken out first: destroying a window can deliver messages that run
        // a nested handler, which must find the list in a sound state.
        std::vector<std::unique_ptr<ControlPeer>> retired;
        retired.swap(retired_);
    }
    return completed;
}

void EventBarrier::Retire(std::unique_ptr<ControlPeer> peer) {
    if (depth_ > 0) {
        retired_.push_back(std::move(peer));
    }
}

void EventBarrier::Report() noexcept {
    // Ending first: while the report is open, nothing else may run.
    ending_ = true;
    try {
        platform_.ShowMessage(ReportOfCurrentException(), platform_.ApplicationTitle());
    } catch (...) {
        // The program ends either way; a report that cannot be shown must not
        // keep it alive.
    }
    End(ExitStatus::kRuntimeError);
}

void EventBarrier::End(ExitStatus status) noexcept {
    ending_ = true;
    platform_.Quit(status);
}

}  // namespace startart
