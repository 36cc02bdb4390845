// The list of peers waiting for their Sync.
#include "deferred_sync.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace startart::win32 {
namespace {

std::vector<DeferredSync*>& Waiting() {
    static std::vector<DeferredSync*> waiting;
    return waiting;
}

}  // namespace

DeferredSync::~DeferredSync() {
    std::erase(Waiting(), this);
}

void DeferredSync::SyncWaiting() {
    for (DeferredSync* waiting : std::exchange(Waiting(), {})) {
        waiting->Sync();
    }
}

void DeferredSync::RequestSync() {
    std::vector<DeferredSync*>& waiting = Waiting();
    if (std::ranges::find(waiting, this) == waiting.end()) {
        waiting.push_back(this);
    }
}

}  // namespace startart::win32
