// The notice shown when a PDF document is chosen and no reader is installed:
// it names the reader version the medium requires and starts its installer.
#pragma once

#include <string>

#include "windows/secondary_window.h"

namespace startart {

// The notice text for a reader version, with CRLF line breaks.
std::string ReaderNoticeText(const std::string& version);

class ReaderNotice : public SecondaryWindow {
  public:
    explicit ReaderNotice(SecondaryWindowHost& host);

    CommandButton& Command2;  // "Abbrechen"
    CommandButton& Command1;  // "Installieren"
    Label& Label2;
    Label& Label1;

  protected:
    void FormLoad() override;
    void FormUnload() override;

  private:
    void Command1Click();
    void Command2Click();
};

}  // namespace startart
