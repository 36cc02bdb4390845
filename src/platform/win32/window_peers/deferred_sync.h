// Changes shown as a whole once the event handler that made them has
// returned: a peer asks for its Sync while the handler runs and gets it
// afterwards, or before its form shows, so that the form shows complete.
// The program's windows all live on one thread, and one queue per platform
// holds what waits.
// Needs: nothing but the standard library.
#pragma once

#include <vector>

namespace startart::win32 {

class DeferredSync;

class SyncQueue {
  public:
    SyncQueue() = default;
    SyncQueue(const SyncQueue&) = delete;
    SyncQueue& operator=(const SyncQueue&) = delete;

    // Lets everything that asked for it Sync now, in the order it asked.
    void SyncWaiting();

  private:
    friend class DeferredSync;
    std::vector<DeferredSync*> waiting_;
};

class DeferredSync {
  public:
    DeferredSync(const DeferredSync&) = delete;
    DeferredSync& operator=(const DeferredSync&) = delete;

  protected:
    explicit DeferredSync(SyncQueue& queue) : queue_(queue) {}
    ~DeferredSync();

    void RequestSync();
    virtual void Sync() = 0;

  private:
    friend class SyncQueue;
    SyncQueue& queue_;
};

}  // namespace startart::win32
