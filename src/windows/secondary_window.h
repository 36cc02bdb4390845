// What the information window and the reader notice share: while either is
// open the menu buttons are locked (and the main window hands its activation
// to the open one), and each is centred on the main window.
#pragma once

#include "config/settings.h"
#include "toolkit/form.h"

namespace startart {

// What the secondary windows ask of the rest of the program.
class SecondaryWindowHost {
  public:
    virtual Platform& GetPlatform() const = 0;
    virtual Form& MainWindow() const = 0;
    virtual Form& InformationWindow() const = 0;
    virtual Form& ReaderNotice() const = 0;
    // Locks or unlocks the menu buttons.
    virtual void SetMenuButtonsEnabled(bool enabled) = 0;
    virtual const InfoSettings& Info() const = 0;
    virtual const ReaderSetup& Reader() const = 0;

  protected:
    ~SecondaryWindowHost() = default;
};

class SecondaryWindow : public Form {
  public:
    SecondaryWindow(SecondaryWindowHost& host, const FormDefinition& definition);

  protected:
    // Locks the menu buttons.
    void LockMenu();
    // Unlocks them unless the other secondary window is still open.
    void UnlockMenu();
    // Centred on the main window's outer rectangle, even where that leaves the
    // screen.
    void CentreOnMainWindow();

    SecondaryWindowHost& host_;
};

}  // namespace startart
