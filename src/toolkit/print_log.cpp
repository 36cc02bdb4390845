// Cls and Print as a picture box keeps them.
#include "toolkit/print_log.h"

#include <utility>

namespace startart {

PrintLog::Drawing PrintLog::Print(PrintedText printed) {
    if (clsPending_ && printed_.size() == 1 && printed_.front() == printed) {
        clsPending_ = false;
        return Drawing::kNone;
    }
    const bool cleared = TakeCls();
    printed_.push_back(std::move(printed));
    return cleared ? Drawing::kClearThenText : Drawing::kText;
}

bool PrintLog::TakeCls() {
    if (!std::exchange(clsPending_, false)) {
        return false;
    }
    printed_.clear();
    return true;
}

void PrintLog::Reset() {
    printed_.clear();
    clsPending_ = false;
}

}  // namespace startart
