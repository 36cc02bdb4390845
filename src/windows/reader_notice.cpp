#include "windows/reader_notice.h"

#include "forms/form_definitions.h"
#include "start/start_or_report.h"

namespace startart {

std::string ReaderNoticeText(const std::string& version) {
    const std::string crlf = "\r\n";
    return std::string("Zm Ausführen dieser Datei, benötigen Sie") + " " + "Adobe® Acrobat® Reader ab Version:" + crlf +
           crlf + version + crlf + crlf + "Sollten Sie diesen nicht auf Ihrem Computer" + " " +
           "installiert haben, klicken Sie bitte auf die" + " " + "Schaltfläche <Installieren>, um Adobe® Acrobat®" +
           " " + "auf Ihren Rechner zu übertragen.";
}

ReaderNotice::ReaderNotice(SecondaryWindowHost& host)
    : SecondaryWindow(host, ReaderNoticeDefinition()),
      Command2(Find<CommandButton>("Command2")),
      Command1(Find<CommandButton>("Command1")),
      Label2(Find<Label>("Label2")),
      Label1(Find<Label>("Label1")) {
    Command1.onClick = [this] { Command1Click(); };
    Command2.onClick = [this] { Command2Click(); };
}

void ReaderNotice::FormLoad() {
    LockMenu();
    CentreOnMainWindow();
    const std::string notice = ReaderNoticeText(host_.Reader().version);
    SetCaption("Wichtiger Hinweis");
    Label1.SetWidth(Width() - 100);
    Label1.SetHeight(Height() - 350);
    Label1.SetCaption("");
    Label2.SetCaption(notice);
    Label2.SetFontName("system");
    Label2.SetFontBold(true);
    Label2.SetFontSize(10);
    Label2.SetTop(360);
    Label2.SetLeft(360);
    Label2.SetWidth(Label1.Width() - 720);
    Label2.SetHeight(Label1.Height() - 400);
}

void ReaderNotice::FormUnload() {
    UnlockMenu();
}

void ReaderNotice::Command1Click() {
    // The installer comes up minimized and activated, as stored, without the
    // program directory: the system's search for command lines finds it.
    StartOrReport(GetPlatform(), host_.Reader().setup, ShowState::kMinimized);
}

void ReaderNotice::Command2Click() {
    Unload();
}

}  // namespace startart
