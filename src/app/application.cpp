#include "app/application.h"

#include "menu/button_lock.h"
#include "windows/information_window.h"
#include "windows/reader_notice.h"

namespace startart {

Application::Application(Platform& platform)
    : platform_(platform),
      mainWindow_(std::make_unique<startart::MainWindow>(*this)),
      informationWindow_(std::make_unique<startart::InformationWindow>(*this)),
      readerNotice_(std::make_unique<startart::ReaderNotice>(*this)) {}

Application::~Application() = default;

void Application::Start() {
    mainWindow_->Show();
}

Form& Application::MainWindow() const {
    return *mainWindow_;
}

Form& Application::InformationWindow() const {
    return *informationWindow_;
}

Form& Application::ReaderNotice() const {
    return *readerNotice_;
}

const std::string& Application::ProgramFolder() const {
    return mainWindow_->settings.menu.pfad;
}

const InfoSettings& Application::Info() const {
    return mainWindow_->settings.info;
}

const ReaderSetup& Application::Reader() const {
    return mainWindow_->settings.reader;
}

void Application::SetMenuButtonsEnabled(bool enabled) {
    startart::SetMenuButtonsEnabled(*mainWindow_, enabled);
}

void Application::Launch(const std::string& target) {
    LaunchTarget(*this, target);
}

void Application::ShowReaderNotice() {
    readerNotice_->Show();
}

}  // namespace startart
