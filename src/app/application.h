// The program as a whole: its three windows and the launcher, which all read
// the settings that the main window's start-up reads. The main window is the
// start object; Start loads and shows it.
// The windows and the launcher meet only here: each declares what it needs
// of the others as an interface of its own folder, which the application
// implements, so that no folder reaches up to this one.
#pragma once

#include <memory>
#include <string>

#include "config/settings.h"
#include "launch/launch_target.h"
#include "menu/main_window.h"
#include "windows/secondary_window.h"

namespace startart {

class InformationWindow;
class ReaderNotice;

class Application : public MenuHost, public SecondaryWindowHost, public LaunchContext {
  public:
    explicit Application(Platform& platform);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Loads and shows the main window. Run it inside the event barrier: a
    // settings file that cannot be read, or a run-time error, ends the program
    // from here.
    void Start();

    Platform& GetPlatform() const override { return platform_; }
    Form& MainWindow() const override;
    Form& InformationWindow() const override;
    Form& ReaderNotice() const override;

    // The settings, once the main window's start-up has read them: the
    // program directory with its trailing backslash, and the records of the
    // information window and the reader.
    const std::string& ProgramFolder() const override;
    const InfoSettings& Info() const override;
    const ReaderSetup& Reader() const override;
    void SetMenuButtonsEnabled(bool enabled) override;
    void Launch(const std::string& target) override;
    void ShowReaderNotice() override;

  private:
    Platform& platform_;
    std::unique_ptr<startart::MainWindow> mainWindow_;
    std::unique_ptr<startart::InformationWindow> informationWindow_;
    std::unique_ptr<startart::ReaderNotice> readerNotice_;
};

}  // namespace startart
