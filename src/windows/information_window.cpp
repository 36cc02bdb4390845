#include "windows/information_window.h"

#include "forms/form_definitions.h"
#include "start/start_or_report.h"

namespace startart {

InformationWindow::InformationWindow(SecondaryWindowHost& host)
    : SecondaryWindow(host, InformationWindowDefinition()),
      Command2(Find<CommandButton>("Command2")),
      Command1(Find<CommandButton>("Command1")),
      Label1(Find<Label>("Label1")) {
    Command1.onClick = [this] { Command1Click(); };
    Command2.onClick = [this] { Command2Click(); };
}

void InformationWindow::FormLoad() {
    lineBreak_ = "\r\n";
    LockMenu();
    SetCaption("Information");
    // From the outer window: the label covers almost all of the client area,
    // the buttons included, which stay above it.
    Label1.SetWidth(Width() - 100);
    Label1.SetHeight(Height() - 350);
    Label1.SetTop(0);
    Label1.SetLeft(0);
    CentreOnMainWindow();
    copyText_ = host_.Info().copy_text;
    firma_ = host_.Info().firma;
    strasse_ = host_.Info().strasse;
    stadt_ = host_.Info().stadt;
    Label1.SetCaption(lineBreak_ + copyText_ + lineBreak_ + lineBreak_ + firma_ + lineBreak_ + strasse_ + lineBreak_ +
                      stadt_);
    fontName_ = "System";
    Label1.SetFontName(fontName_);
    Command1.SetFontName(fontName_);
    Command2.SetFontName(fontName_);
}

void InformationWindow::FormUnload() {
    UnlockMenu();
}

void InformationWindow::Command1Click() {
    Unload();
}

void InformationWindow::Command2Click() {
    OpenWebAddressOrReport(GetPlatform(), host_.Info().home_url);
}

}  // namespace startart
