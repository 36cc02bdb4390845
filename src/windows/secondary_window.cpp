#include "windows/secondary_window.h"

#include "app/application.h"
#include "menu/form1.h"
#include "menu/module1.h"
#include "windows/form2.h"
#include "windows/form3.h"

namespace startart {

SecondaryWindow::SecondaryWindow(Application& app, const FormDefinition& definition)
    : Form(app.GetPlatform(), definition), app_(app) {}

void SecondaryWindow::LockMenu() {
    SetMenuButtonsEnabled(app_.MainWindow(), false);
}

void SecondaryWindow::UnlockMenu() {
    const Form& other = this == &app_.InformationWindow() ? static_cast<const Form&>(app_.ReaderNotice())
                                                          : static_cast<const Form&>(app_.InformationWindow());
    if (!other.Loaded()) {
        SetMenuButtonsEnabled(app_.MainWindow(), true);
    }
}

void SecondaryWindow::CentreOnMainWindow() {
    const Form1& main = app_.MainWindow();
    SetLeft((main.Width() - Width()) / 2 + main.Left());
    SetTop((main.Height() - Height()) / 2 + main.Top());
}

void SecondaryWindow::FormDeactivate(const Form* activated) {
    if (activated == &app_.MainWindow()) {
        SetFocus();
    }
}

}  // namespace startart
