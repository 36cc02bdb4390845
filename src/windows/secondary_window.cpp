#include "windows/secondary_window.h"

namespace startart {

SecondaryWindow::SecondaryWindow(SecondaryWindowHost& host, const FormDefinition& definition)
    : Form(host.GetPlatform(), definition), host_(host) {}

void SecondaryWindow::LockMenu() {
    host_.SetMenuButtonsEnabled(false);
}

void SecondaryWindow::UnlockMenu() {
    const Form& other = this == &host_.InformationWindow() ? host_.ReaderNotice() : host_.InformationWindow();
    if (!other.Loaded()) {
        host_.SetMenuButtonsEnabled(true);
    }
}

void SecondaryWindow::CentreOnMainWindow() {
    const Form& main = host_.MainWindow();
    SetLeft((main.Width() - Width()) / 2 + main.Left());
    SetTop((main.Height() - Height()) / 2 + main.Top());
}

}  // namespace startart
