// The Win32 platform: the seam between the portable core and Windows. It
// makes the window peers, decodes pictures, reads files and the registry,
// starts processes, shows message boxes and runs the message loop.
// Needs: user32, gdi32, kernel32, advapi32, shell32, ole32 (WIC through COM).
#pragma once

#include <windows.h>

#include <optional>

#include "handles.h"
#include "paint/backdrop_cache.h"
#include "pictures/wic_decoder.h"
#include "system/registry.h"
#include "toolkit/platform.h"
#include "window_peers/deferred_sync.h"

namespace startart::win32 {

class FormWindow;

// The program's icon resource, the form's design-time icon.
inline constexpr WORD kDesignIconResource = 1;

class Win32Platform : public Platform {
  public:
    Win32Platform();
    ~Win32Platform() override;

    // Runs until Quit, keyboard navigation included; returns the exit status.
    int RunMessageLoop();

    // The form that a window of this program is, or null.
    FormWindow* FormWindowOf(HWND window) const;
    // The peers waiting to show what a handler changed.
    SyncQueue& Syncs() { return syncs_; }

    ScreenMetrics Metrics() const override;
    PixelSize FrameSize(FormBorderStyle style) const override;
    std::unique_ptr<FormPeer> CreateFormPeer(Form& form) override;
    std::unique_ptr<PictureBoxPeer> CreatePictureBoxPeer(PictureBox& box) override;
    std::unique_ptr<ControlPeer> CreateControlPeer(Control& control) override;
    Picture DesignIcon() override;
    Picture LoadPicture(const std::string& path) override;
    int SetTextCharacterExtra(DeviceContext dc, int extra) override;
    std::optional<std::vector<unsigned char>> ReadFileHead(const std::string& path, std::size_t maxBytes) override;
    std::string ExecutableDirectory() const override;
    std::string ApplicationTitle() const override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    std::optional<StartFailure> StartProcess(const std::string& commandLine,
                                             ShowState show,
                                             SystemProgram program) override;
    std::optional<StartFailure> StartThroughShell(const std::string& program,
                                                  const std::string& parameters,
                                                  ShowState show) override;
    std::optional<StartFailure> OpenDocument(const std::string& path, ShowState show) override;
    bool OfferOpenWith(const std::string& path) override;
    RegistryAccess& Registry() override { return registry_; }
    void Quit(ExitStatus status) override;

  private:
    FormWindow& FormWindowFor(const Control& control) const;

    ComApartment com_;
    ATOM formClass_;
    WicDecoder decoder_;
    Win32Registry registry_;
    Picture designIcon_;
    SyncQueue syncs_;
    BackdropCache backdrops_;
    bool quitting_ = false;
};

}  // namespace startart::win32
