// A program started for a start-up measurement, in its own folder as an
// autostart starts it, and ended again when this goes: asked to close its
// windows, and killed when it has not ended after a few seconds.
#pragma once

#include <windows.h>

#include <filesystem>

#include "handles.h"

namespace startart::bench {

class StartedProgram {
  public:
    // Throws std::runtime_error when the program cannot be started.
    explicit StartedProgram(const std::filesystem::path& program);
    ~StartedProgram();
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    // Shows a top-level window, and neither it, nor any other visible
    // top-level window of the program, nor a child of one, has anything
    // left to paint.
    bool Painted() const;
    bool Ended() const;

  private:
    win32::UniqueKernelHandle process_;
    win32::UniqueKernelHandle thread_;
    DWORD id_ = 0;
};

}  // namespace startart::bench
