// Changes shown as a whole once the event handler that made them has
// returned: a peer asks for its Sync while the handler runs and gets it
// afterwards, or before its form shows, so that the form shows complete.
// The program's windows all live on one thread, and so does the list of
// what waits.
// Needs: nothing but the standard library.
#pragma once

namespace startart::win32 {

class DeferredSync {
  public:
    DeferredSync(const DeferredSync&) = delete;
    DeferredSync& operator=(const DeferredSync&) = delete;

    // Lets everything that asked for it Sync now, in the order it asked.
    static void SyncWaiting();

  protected:
    DeferredSync() = default;
    ~DeferredSync();

    void RequestSync();
    virtual void Sync() = 0;
};

}  // namespace startart::win32
