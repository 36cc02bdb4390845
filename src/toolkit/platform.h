// The seam between the portable core and a platform. Everything the core needs
// from the system goes through this one interface: window peers, pictures,
// files, message boxes, process start, the registry and the end of the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "basic/program_end.h"
#include "toolkit/definition.h"
#include "toolkit/event_barrier.h"
#include "toolkit/peer.h"
#include "toolkit/picture.h"
#include "toolkit/screen.h"

namespace startart {

class Control;
class Form;
class PictureBox;

// Window show states for process start (the values of the Windows API).
enum class ShowState : int { kNormal = 1, kMinimized = 2 };

// The programs of Windows itself that the menu starts by the name a command
// line gives them.
enum class SystemProgram { kNone, kWrite, kNotepad };

struct StartFailure {
    enum class Kind {
        kOther,
        // The program to start does not exist.
        kProgramMissing,
        // The program asks for administrator rights, which only the system's
        // consent prompt can give it.
        kElevationRequired,
        // The user declined the consent prompt.
        kCancelled,
        // No program is associated with the document's type.
        kNoAssociation,
    };

    // The system's reason, in German words for the user.
    std::string reason;
    Kind kind = Kind::kOther;
};

// The registry's own functions, read only. Results are system error codes:
// 0 is success. Text goes in and comes out in the system's 8-bit code page.
class RegistryAccess {
  public:
    using Key = std::uintptr_t;

    virtual ~RegistryAccess() = default;
    virtual long OpenKey(std::uint32_t root, const std::string& path, Key& key) = 0;
    // data may be null to ask for the type and size only; size is the
    // buffer's size on the way in and the data's size on the way out.
    virtual long QueryValue(Key key,
                            const std::string& name,
                            std::uint32_t& type,
                            unsigned char* data,
                            std::uint32_t& size) = 0;
    virtual void CloseKey(Key key) = 0;
    // Text of a value, from the 8-bit code page to UTF-8.
    virtual std::string DecodeText(const std::string& bytes) = 0;
};

class Platform {
  public:
    Platform() : barrier_(*this) {}
    virtual ~Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    // Every entry from the platform into core code goes through this barrier.
    EventBarrier& Barrier() { return barrier_; }

    virtual ScreenMetrics Metrics() const = 0;
    // What a window's frame adds to its client area.
    virtual PixelSize FrameSize(FormBorderStyle style) const = 0;

    virtual std::unique_ptr<FormPeer> CreateFormPeer(Form& form) = 0;
    virtual std::unique_ptr<PictureBoxPeer> CreatePictureBoxPeer(PictureBox& box) = 0;
    // Images, labels, command buttons and timers.
    virtual std::unique_ptr<ControlPeer> CreateControlPeer(Control& control) = 0;
    // Gives the window of the form its design-time icon.
    virtual Picture DesignIcon() = 0;

    // Raises run-time error 53 for a missing file and 481 for a file that
    // holds no picture.
    virtual Picture LoadPicture(const std::string& path) = 0;
    virtual int SetTextCharacterExtra(DeviceContext dc, int extra) = 0;

    // Up to maxBytes from the start of the file, opened for reading only;
    // nullopt when it cannot be opened or read.
    virtual std::optional<std::vector<unsigned char>> ReadFileHead(const std::string& path, std::size_t maxBytes) = 0;
    // The directory of the running program, without a trailing backslash
    // except at a drive root.
    virtual std::string ExecutableDirectory() const = 0;
    // The program file's name without its extension.
    virtual std::string ApplicationTitle() const = 0;

    // A modal message box with an OK button only and no icon.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;

    // Starts a command line without waiting for it. A system program is the
    // one in the system's own folders, never a namesake beside the menu;
    // kNone leaves the search to the system. nullopt when it started.
    virtual std::optional<StartFailure> StartProcess(const std::string& commandLine,
                                                     ShowState show,
                                                     SystemProgram program) = 0;
    // Starts a program through the shell, which shows the consent prompt
    // where the program asks for administrator rights.
    virtual std::optional<StartFailure> StartThroughShell(const std::string& program,
                                                          const std::string& parameters,
                                                          ShowState show) = 0;
    // Opens a document or a web address through the shell, with the program
    // the system associates with its type or protocol. Nothing is waited for.
    virtual std::optional<StartFailure> OpenDocument(const std::string& path, ShowState show) = 0;
    // Shows the system's "Open with" dialog for a document that no program is
    // associated with; the program the user picks there opens it. True when
    // the dialog was shown, however the user answered; false where the system
    // has no such dialog or it failed.
    virtual bool OfferOpenWith(const std::string& path) = 0;

    virtual RegistryAccess& Registry() = 0;

    // Ends the event loop; the program then exits with the status.
    virtual void Quit(ExitStatus status) = 0;

  private:
    EventBarrier barrier_;
};

// A message box captioned with the application's title, as every message of
// the program is.
inline void MsgBox(Platform& platform, const std::string& text) {
    platform.ShowMessage(text, platform.ApplicationTitle());
}

}  // namespace startart
