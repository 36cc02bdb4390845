// The program as a whole: its three windows and the settings that all of them
// read. The main window is the start object; Start loads and shows it.
#pragma once

#include <memory>

#include "config/settings.h"

namespace startart {

class Platform;
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
    Form1& MainWindow() const { return *form1_; }
    Form2& InformationWindow() const { return *form2_; }
    Form3& ReaderNotice() const { return *form3_; }

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
