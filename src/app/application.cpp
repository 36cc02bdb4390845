#include "app/application.h"

#include "menu/form1.h"
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

}  // namespace startart
