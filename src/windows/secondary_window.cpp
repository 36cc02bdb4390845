#include "windows/secondary_window.h"

#include "app/application.h"

namespace startart {

SecondaryWindow::SecondaryWindow(Application& app, const FormDefinition& definition)
    : Form(app.GetPlatform(), definition), app_(app) {}

void SecondaryWindow::LockMenu() {
    app_.SetMenuButtonsEnabled(false);
}

void SecondaryWindow::UnlockMenu() {
    const Form& other = this == &app_.InformationWindow() ? app_.ReaderNotice() : app_.InformationWindow();
    if (!other.Loaded()) {
        app_.SetMenuButtonsEnabled(true);
    }
}

void SecondaryWindow::CentreOnMainWindow() {
    const Form& main = app_.MainWindow();
    SetLeft((main.Width() - Width()) / 2 + main.Left());
    SetTop((main.Height() - Height()) / 2 + main.Top());
}

}  // namespace startart
