// The controls of the toolkit model. Each property is held here; geometry is
// set in twips and held as whole pixels, the way the platform holds it. A
// control built from its definition has no peer until its form is loaded.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "basic/int16.h"
#include "toolkit/definition.h"
#include "toolkit/peer.h"
#include "toolkit/picture.h"

namespace startart {

class EventBarrier;
class Form;
class Platform;
class Screen;

class Control {
  public:
    Control(Form& form, ControlDefinition definition);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return definition_.kind; }
    const std::string& Name() const { return definition_.name; }
    int Index() const { return definition_.index; }
    int TabIndex() const { return definition_.tabIndex; }
    const ControlDefinition& Definition() const { return definition_; }
    Form& Parent() const { return form_; }
    // Null: the client area of the form (and for a form: the screen).
    Control* Container() const { return container_; }

    Single Left() const;
    Single Top() const;
    Single Width() const;
    Single Height() const;
    void SetLeft(Single twips);
    void SetTop(Single twips);
    void SetWidth(Single twips);
    void SetHeight(Single twips);
    // In pixels, relative to the container's client area; for a form, the
    // outer window on the screen.
    PixelRect Bounds() const { return bounds_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Whether input reaches the control: it, its containers and its form are
    // all enabled.
    bool AcceptsInput() const;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

    const Font& GetFont() const { return font_; }
    void SetFontName(std::string name);
    void SetFontSize(Single size);
    void SetFontBold(bool bold);

    OleColor ForeColor() const { return foreColor_; }
    void SetForeColor(OleColor color);
    OleColor BackColor() const { return backColor_; }
    void SetBackColor(OleColor color);

    int BorderStyle() const { return definition_.borderStyle; }
    LabelAlignment Alignment() const { return definition_.alignment; }

    const Picture& GetPicture() const { return picture_; }
    virtual void SetPicture(Picture picture);

    // Event handlers, set by the window that owns the control.
    std::function<void()> onClick;
    std::function<void()> onMouseMove;
    // Called by the platform, inside the event barrier. A control that does
    // not accept input ignores them.
    void RaiseClick();
    void RaiseMouseMove();

    ControlPeer* Peer() const { return peer_.get(); }

  protected:
    friend class Form;

    // Back to the definition: every run-time change is dropped.
    virtual void Reset();
    virtual std::unique_ptr<ControlPeer> MakePeer(Platform& platform);
    void CreatePeer(Platform& platform);
    void RetirePeer(EventBarrier& barrier);
    void SetContainer(Control* container) { container_ = container; }

    void Changed(Property property);
    const Screen& GetScreen() const;
    void SetBounds(PixelRect bounds);
    // What the peer holds, without telling the peer again.
    void TakeBoundsFromPeer(PixelRect bounds) { bounds_ = bounds; }

  private:
    Form& form_;
    ControlDefinition definition_;
    Control* container_ = nullptr;
    PixelRect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    Font font_;
    OleColor foreColor_ = 0;
    OleColor backColor_ = 0;
    Picture picture_;
    std::unique_ptr<ControlPeer> peer_;
};

// A picture box with a persistent drawing surface for text.
class PictureBox : public Control {
  public:
    using Control::Control;

    bool AutoRedraw() const { return autoRedraw_; }
    void SetAutoRedraw(bool on) { autoRedraw_ = on; }
    // On: the box takes the size of its picture.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    void SetPicture(Picture picture) override;

    // The inner size in twips; the boxes have no border.
    Single ScaleWidth() const { return Width(); }
    Single ScaleHeight() const { return Height(); }

    Single CurrentX() const { return currentX_; }
    Single CurrentY() const { return currentY_; }
    void SetCurrentX(Single twips) { currentX_ = twips; }
    void SetCurrentY(Single twips) { currentY_ = twips; }

    // The device context that the box's text output goes to.
    DeviceContext hDC();
    // Clears the text and puts the text position back to the top left.
    void Cls();
    // Draws text at CurrentX, CurrentY.
    void Print(const std::string& text);

  protected:
    void Reset() override;
    std::unique_ptr<ControlPeer> MakePeer(Platform& platform) override;

  private:
    PictureBoxPeer* BoxPeer() const { return static_cast<PictureBoxPeer*>(Peer()); }
    void FitToPicture();

    bool autoRedraw_ = false;
    bool autoSize_ = false;
    Single currentX_ = 0;
    Single currentY_ = 0;
};

// A windowless picture, drawn by its form.
class Image : public Control {
  public:
    using Control::Control;

    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

  protected:
    void Reset() override;

  private:
    bool stretch_ = false;
};

// Windowless text, drawn by its form: wrapped at word boundaries, broken at
// every line break, cut off where it leaves the rectangle.
class Label : public Control {
  public:
    using Control::Control;
};

class CommandButton : public Control {
  public:
    using Control::Control;
};

class Timer : public Control {
  public:
    using Control::Control;

    int Interval() const { return interval_; }
    std::function<void()> onTimer;
    // Called by the platform, inside the event barrier.
    void RaiseTimer();

  protected:
    void Reset() override;

  private:
    int interval_ = 0;
};

}  // namespace startart
