// Start-up of the main window: settings, geometry, title picture, colours,
// then the button column and its first paint.
#include "menu/main_window.h"

#include "basic/program_end.h"
#include "basic/runtime_error.h"
#include "config/read_settings_file.h"
#include "forms/form_definitions.h"
#include "menu/window_size.h"
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
    if (index < 0 || index >= kButtonSlots) {
        RaiseSubscriptOutOfRange();
    }
    return buttons[static_cast<std::size_t>(index)];
}

void MainWindow::FormLoad() {
    Platform& platform = GetPlatform();
    const Screen& screen = GetScreen();
    noButton = 100;
    ReadSettingsFile(platform, loadedSettings, host_.Info(), host_.Reader(), buttons);
    settings = loadedSettings;

    const Int16 windowHeight = MainWindowHeight(settings, screen.TwipsPerPixelY());

    SetCaption("  " + settings.titel);
    SetIcon(platform.LoadPicture(settings.pfad + settings.icon));
    SetHeight(windowHeight);
    // Four thirds of the height as the window holds it, not as computed.
    const Single width = MainWindowWidth(Height());
    SetWidth(width);
    // A window planned larger than the screen is held to it in both
    // directions; the height then follows the width the window holds, so
    // that it keeps its shape.
    if (screen.ToPixelsX(Width()) < screen.ToPixelsX(width)) {
        SetHeight(Width() * 0.75f);
    }
    SetLeft((screen.Width() - Width()) / 2);
    SetTop((screen.Height() - Height()) / 2);

    Image1.SetLeft(0);
    Image1.SetTop(0);
    Image1.SetWidth(TitlePictureWidth(Width(), settings, screen.TwipsPerPixelX()));
    Image1.SetHeight(TitlePictureHeight(Height()));
    Image1.SetStretch(true);
    Image1.SetPicture(platform.LoadPicture(settings.pfad + settings.titelbild));

    SetBackColor(RgbOf(settings.farbe));

    LayoutButtons();
    lastHover = noButton;
    redrawPending = true;
    RedrawButtons(noButton);
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
