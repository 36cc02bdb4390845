// What the information window and the reader notice share: while either is
// open the menu buttons are locked (and the main window hands its activation
// to the open one), and each is centred on the main window.
#pragma once

#include "toolkit/form.h"

namespace startart {

class Application;

class SecondaryWindow : public Form {
  public:
    SecondaryWindow(Application& app, const FormDefinition& definition);

  protected:
    // Locks the menu buttons.
    void LockMenu();
    // Unlocks them unless the other secondary window is still open.
    void UnlockMenu();
    // Centred on the main window's outer rectangle, even where that leaves the
    // screen.
    void CentreOnMainWindow();

    Application& app_;
};

}  // namespace startart
