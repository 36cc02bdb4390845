// A program started for a start-up measurement, in the folder of its medium
// as an autostart starts it, and ended again when this goes: asked to close
// its windows, and killed when it has not ended after a few seconds.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "handles.h"

namespace startart::bench {

class StartedProgram {
  public:
    // Throws std::runtime_error when the program cannot be started.
    StartedProgram(const std::filesystem::path& program,
                   const std::wstring& arguments,
                   const std::filesystem::path& folder);
    ~StartedProgram();
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    // Shows a top-level window, and neither it, nor any other visible
    // top-level window of the program, nor a child of one, has anything
    // left to paint.
    bool Painted() const;
    bool Ended() const;
    // The client area of the first window it shows, once it shows one.
    SIZE ClientSize() const;

  private:
    win32::UniqueKernelHandle process_;
    win32::UniqueKernelHandle thread_;
    DWORD id_ = 0;
};

}  // namespace startart::bench
