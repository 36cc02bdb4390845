// The main menu window: the title picture on the left and the column of up
// to fifteen picture buttons on the right. Its Load code runs the whole
// start-up; its handlers keep one button highlighted under the pointer and
// hand clicks to the launcher.
#pragma once

#include "basic/int16.h"
#include "config/settings.h"
#include "menu/highlight.h"
#include "menu/window_layout.h"
#include "toolkit/form.h"

namespace startart {

// What the main window asks of the rest of the program.
class MenuHost {
  public:
    virtual Platform& GetPlatform() const = 0;
    virtual Form& InformationWindow() const = 0;
    virtual Form& ReaderNotice() const = 0;
    // Opens a button's target.
    virtual void Launch(const std::string& target) = 0;

  protected:
    ~MenuHost() = default;
};

class MainWindow : public Form {
  public:
    explicit MainWindow(MenuHost& host);

    Timer& Timer1;
    ControlArray<PictureBox> Picture1;  // the faces
    ControlArray<PictureBox> Picture2;  // the frames
    Image& Image1;

    // Everything st.art holds, read at start-up: the one copy that every
    // window and the launcher read.
    SettingsFile settings;
    // Which button is lit.
    const Highlight& ButtonHighlight() const { return highlight_; }

    // Sizes, places and fills the button column as the layout has it.
    void LayoutButtons(const MainWindowLayout& layout);
    // Shows button `highlight` in its highlighted cell with its highlighted
    // label and every other button normal, when the highlight waits to be
    // painted.
    void RedrawButtons(Int16 highlight);

    // The title picture and the visible buttons, for screen readers.
    AccessibleItems Accessibles() const override;

  protected:
    void FormLoad() override;
    void FormUnload() override;
    void FormGotFocus() override;
    void FormActivate() override;
    // Up and down, Tab and Shift+Tab move the highlight from button to
    // button; Enter and Space press the highlighted one.
    void FormKeyDown(Key key, bool shift) override;

  private:
    const ButtonEntry& Entry(int index) const;
    void BackgroundMouseMove();
    void Image1Click();
    void Picture1MouseMove(Int16 index);
    void Picture1Click(int index);
    void Timer1Timer();
    // The highlight to the next (step 1) or previous (step -1) visible
    // button that takes input, round the column.
    void MoveHighlight(int step);
    // A laid-out button whose frame is visible and whose face takes input.
    bool KeyboardReaches(int index) const;
    // How many buttons the repaint draws: 0 to anzahl - 1, as far as they exist.
    int LaidOutButtons() const;

    MenuHost& host_;
    // Where every face stands while its design's normal cell shows.
    PixelPoint normalFace_;
    Highlight highlight_;
};

}  // namespace startart
