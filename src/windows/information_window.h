// The information window: the copyright line and the publisher's address,
// and a button that opens the publisher's web address.
#pragma once

#include <string>

#include "windows/secondary_window.h"

namespace startart {

class InformationWindow : public SecondaryWindow {
  public:
    explicit InformationWindow(SecondaryWindowHost& host);

    CommandButton& Command2;  // "Velmo-Homepage"
    CommandButton& Command1;  // "Verlassen"
    Label& Label1;

  protected:
    void FormLoad() override;
    void FormUnload() override;

  private:
    void Command1Click();
    void Command2Click();

    std::string lineBreak_;
    std::string copyText_;
    std::string firma_;
    std::string strasse_;
    std::string stadt_;
    std::string fontName_;
};

}  // namespace startart
