// The program as a whole: its three windows and the settings that all of them
// read. The main window is the start object; Start loads and shows it.
// The windows and the launcher meet only here: each asks the application for
// what another provides, so none of them knows another's class.
#pragma once

#include <memory>
#include <string>

#include "config/settings.h"

namespace startart {

class Platform;
class Form;
class Form1;
class Form2;
class Form3;

class Application {
  public:
    explicit Application(Platform& platform);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Loads and shows the main window. Run it inside the event barrier: a
    // settings file that cannot be read, or a run-time error, ends the program
    // from here.
    void Start();

    Platform& GetPlatform() const { return platform_; }
    Form& MainWindow() const;
    Form& InformationWindow() const;
    Form& ReaderNotice() const;

    // The program directory with its trailing backslash, once the main
    // window has read its settings.
    const std::string& ProgramFolder() const;
    // Locks or unlocks the menu buttons.
    void SetMenuButtonsEnabled(bool enabled);
    // Opens a button's target.
    void Launch(const std::string& target);

    // Filled by the main window's start-up, read by the launcher and the
    // secondary windows.
    InfoSettings info;
    ReaderSetup reader;

  private:
    Platform& platform_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
};

}  // namespace startart
