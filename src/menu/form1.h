// The main menu window: the title picture on the left and the column of up
// to fifteen picture buttons on the right. Its Load code runs the whole
// start-up; its handlers keep one button highlighted under the pointer and
// hand clicks to the launcher.
#pragma once

#include "basic/int16.h"
#include "config/settings.h"
#include "toolkit/form.h"

namespace startart {

class Application;

class Form1 : public Form {
  public:
    explicit Form1(Application& app);

    Timer& Timer1;
    ControlArray<PictureBox> Picture1;  // the faces
    ControlArray<PictureBox> Picture2;  // the frames
    Image& Image1;

    // As read from st.art, and the working copy that everything else reads.
    MenuSettings loadedSettings;
    MenuSettings settings;
    ButtonSlots buttons;

    // The highlight state: noButton is the index of no button at all,
    // lastHover the index a pointer handler last asked for, and
    // redrawPending whether RedrawButtons has to paint.
    Int16 noButton = 0;
    Int16 lastHover = 0;
    bool redrawPending = false;

    // Sizes, places and fills the button column.
    void LayoutButtons();
    // Shows button `highlight` in its highlighted cell with its highlighted
    // label and every other button normal, when redrawPending says so.
    void RedrawButtons(Int16 highlight);

  protected:
    void FormLoad() override;
    void FormUnload() override;
    void FormGotFocus() override;
    void FormActivate() override;

  private:
    const ButtonEntry& Entry(int index) const;
    void BackgroundMouseMove();
    void Image1Click();
    void Picture1MouseMove(Int16 index);
    void Picture1Click(int index);
    void Timer1Timer();

    Application& app_;
};

}  // namespace startart
