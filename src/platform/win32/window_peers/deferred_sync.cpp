// The queue of peers waiting for their Sync.
#include "window_peers/deferred_sync.h"

#include <algorithm>
#include <utility>

namespace startart::win32 {

void SyncQueue::SyncWaiting() {
    for (DeferredSync* waiting : std::exchange(waiting_, {})) {
        waiting->Sync();
    }
}

DeferredSync::~DeferredSync() {
    std::erase(queue_.waiting_, this);
}

void DeferredSync::RequestSync() {
    std::vector<DeferredSync*>& waiting = queue_.waiting_;
    if (std::ranges::find(waiting, this) == waiting.end()) {
        waiting.push_back(this);
    }
}

}  // namespace startart::win32
