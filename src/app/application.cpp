#include "app/application.h"

#include "menu/module1.h"
#include "windows/form2.h"
#include "windows/form3.h"

namespace startart {

Application::Application(Platform& platform)
    : platform_(platform),
      form1_(std::make_unique<Form1>(*this)),
      form2_(std::make_unique<Form2>(*this)),
      form3_(std::make_unique<Form3>(*this)) {}

Application::~Application() = default;

void Application::Start() {
    form1_->Show();
}

Form& Application::MainWindow() const {
    return *form1_;
}

Form& Application::InformationWindow() const {
    return *form2_;
}

Form& Application::ReaderNotice() const {
    return *form3_;
}

const std::string& Application::ProgramFolder() const {
    return form1_->settings.pfad;
}

void Application::SetMenuButtonsEnabled(bool enabled) {
    startart::SetMenuButtonsEnabled(*form1_, enabled);
}

void Application::Launch(const std::string& target) {
    LaunchTarget(*this, target);
}

void Application::ShowReaderNotice() {
    form3_->Show();
}

}  // namespace startart
