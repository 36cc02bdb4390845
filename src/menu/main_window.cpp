// Start-up of the main window: settings, geometry, title picture, colours,
// then the button column and its first paint.
#include "menu/main_window.h"

#include "basic/program_end.h"
#include "basic/runtime_error.h"
#include "forms/form_definitions.h"
#include "menu/read_settings_file.h"
#include "toolkit/platform.h"

namespace startart {
namespace {

OleColor RgbOf(const Colour& colour) {
    return Rgb(colour.rot, colour.gruen, colour.blau);
}

}  // namespace

MainWindow::MainWindow(MenuHost& host)
    : Form(host.GetPlatform(), MainWindowDefinition()),
      Timer1(Find<Timer>("Timer1")),
      Picture1(FindArray<PictureBox>("Picture1")),
      Picture2(FindArray<PictureBox>("Picture2")),
      Image1(Find<Image>("Image1")),
      host_(host) {
    onMouseMove = [this] { BackgroundMouseMove(); };
    Image1.onMouseMove = [this] { BackgroundMouseMove(); };
    Image1.onClick = [this] { Image1Click(); };
    Timer1.onTimer = [this] { Timer1Timer(); };
    for (int i = 0; i < Picture1.Count(); ++i) {
        Picture1(i).onMouseMove = [this, i] { Picture1MouseMove(static_cast<Int16>(i)); };
        Picture1(i).onClick = [this, i] { Picture1Click(i); };
    }
}

const ButtonEntry& MainWindow::Entry(int index) const {
    if (index < 0 || index >= kStoredButtons) {
        RaiseSubscriptOutOfRange();
    }
    return settings.buttons[static_cast<std::size_t>(index)];
}

void MainWindow::FormLoad() {
    Platform& platform = GetPlatform();
    const Screen& screen = GetScreen();
    settings = ReadSettingsFile(platform);
    const MenuSettings& menu = settings.menu;

    SetCaption("  " + menu.titel);
    SetIcon(platform.LoadPicture(menu.pfad + menu.icon));
    const MainWindowLayout layout = LayOutMainWindow(
        menu, screen,
        [this](Single twips) {
            SetHeight(twips);
            return Height();
        },
        [this](Single twips) {
            SetWidth(twips);
            return Width();
        });
    SetLeft(screen.ToTwipsX(layout.window.left));
    SetTop(screen.ToTwipsY(layout.window.top));

    Image1.SetLeft(screen.ToTwipsX(layout.title.left));
    Image1.SetTop(screen.ToTwipsY(layout.title.top));
    Image1.SetWidth(screen.ToTwipsX(layout.title.width));
    Image1.SetHeight(screen.ToTwipsY(layout.title.height));
    Image1.SetStretch(true);
    Image1.SetPicture(platform.LoadPicture(menu.pfad + menu.titelbild));

    SetBackColor(RgbOf(menu.farbe));

    LayoutButtons(layout);
    highlight_.Renew(Highlight::kNoButton);
    RedrawButtons(Highlight::kNoButton);
    Timer1.SetEnabled(true);
}

void MainWindow::FormUnload() {
    EndProgram();
}

void MainWindow::FormGotFocus() {
    if (!Enabled()) {
        host_.InformationWindow().SetFocus();
    }
}

// While a secondary window is open the buttons are locked, and a menu in
// front of it would look locked for no reason: the activation goes on to that
// window, the reader notice first, whatever was active before (another
// program, the other secondary window). Only the main window hands it on, so
// the two secondary windows never take it from each other without end.
void MainWindow::FormActivate() {
    for (Form* window : {&host_.ReaderNotice(), &host_.InformationWindow()}) {
        if (window->Loaded()) {
            window->SetFocus();
            return;
        }
    }
}

void MainWindow::Image1Click() {
    host_.InformationWindow().Show();
}

}  // namespace startart
