#include "toolkit/control.h"

#include "basic/runtime_error.h"
#include "toolkit/event_barrier.h"
#include "toolkit/form.h"
#include "toolkit/platform.h"

namespace startart {

Control::Control(Form& form, ControlDefinition definition) : form_(form), definition_(std::move(definition)) {}

Control::~Control() = default;

const Screen& Control::GetScreen() const {
    return form_.GetScreen();
}

void Control::Reset() {
    const Screen& screen = GetScreen();
    const TwipsRect& rect = definition_.rect;
    bounds_ = PixelRect{screen.ToPixelsX(rect.left), screen.ToPixelsY(rect.top), screen.ToPixelsX(rect.width),
                        screen.ToPixelsY(rect.height)};
    visible_ = definition_.visible;
    enabled_ = definition_.enabled;
    caption_ = definition_.caption;
    font_ = definition_.font.value_or(form_.WindowFont());
    foreColor_ = definition_.foreColor;
    backColor_ = definition_.backColor;
    picture_ = Picture();
}

std::unique_ptr<ControlPeer> Control::MakePeer(Platform& platform) {
    return platform.CreateControlPeer(*this);
}

void Control::CreatePeer(Platform& platform) {
    peer_ = MakePeer(platform);
}

void Control::RetirePeer(EventBarrier& barrier) {
    if (peer_) {
        barrier.Retire(std::move(peer_));
    }
}

void Control::Changed(Property property) {
    if (peer_) {
        peer_->Update(property);
    }
}

Single Control::Left() const {
    return GetScreen().ToTwipsX(bounds_.left);
}

Single Control::Top() const {
    return GetScreen().ToTwipsY(bounds_.top);
}

Single Control::Width() const {
    return GetScreen().ToTwipsX(bounds_.width);
}

Single Control::Height() const {
    return GetScreen().ToTwipsY(bounds_.height);
}

void Control::SetLeft(Single twips) {
    PixelRect b = bounds_;
    b.left = GetScreen().ToPixelsX(twips);
    SetBounds(b);
}

void Control::SetTop(Single twips) {
    PixelRect b = bounds_;
    b.top = GetScreen().ToPixelsY(twips);
    SetBounds(b);
}

void Control::SetWidth(Single twips) {
    PixelRect b = bounds_;
    b.width = GetScreen().ToPixelsX(twips);
    SetBounds(b);
}

void Control::SetHeight(Single twips) {
    PixelRect b = bounds_;
    b.height = GetScreen().ToPixelsY(twips);
    SetBounds(b);
}

void Control::SetBounds(PixelRect bounds) {
    // A negative size is no size a window can have.
    if (bounds.width < 0 || bounds.height < 0) {
        RaiseInvalidPropertyValue();
    }
    if (bounds != bounds_) {
        bounds_ = bounds;
        Changed(Property::kBounds);
    }
}

void Control::SetVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        Changed(Property::kVisible);
    }
}

void Control::SetEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        Changed(Property::kEnabled);
    }
}

bool Control::AcceptsInput() const {
    for (const Control* c = this; c; c = c->container_) {
        if (!c->enabled_) {
            return false;
        }
    }
    return form_.Enabled();
}

void Control::SetCaption(std::string caption) {
    if (caption != caption_) {
        caption_ = std::move(caption);
        Changed(Property::kCaption);
    }
}

void Control::SetFontName(std::string name) {
    font_.name = std::move(name);
    Changed(Property::kFont);
}

void Control::SetFontSize(Single size) {
    if (!(size > 0 && size <= 2160)) {
        RaiseInvalidPropertyValue();
    }
    font_.size = size;
    Changed(Property::kFont);
}

void Control::SetFontBold(bool bold) {
    font_.bold = bold;
    Changed(Property::kFont);
}

void Control::SetForeColor(OleColor color) {
    foreColor_ = color;
    Changed(Property::kForeColor);
}

void Control::SetBackColor(OleColor color) {
    backColor_ = color;
    Changed(Property::kBackColor);
}

void Control::SetPicture(Picture picture) {
    picture_ = std::move(picture);
    Changed(Property::kPicture);
}

void Control::RaiseClick() {
    if (onClick && AcceptsInput()) {
        onClick();
    }
}

void Control::RaiseMouseMove() {
    if (onMouseMove && AcceptsInput()) {
        onMouseMove();
    }
}

void PictureBox::Reset() {
    Control::Reset();
    autoRedraw_ = false;
    autoSize_ = false;
    currentX_ = 0;
    currentY_ = 0;
}

std::unique_ptr<ControlPeer> PictureBox::MakePeer(Platform& platform) {
    return platform.CreatePictureBoxPeer(*this);
}

void PictureBox::SetAutoSize(bool on) {
    autoSize_ = on;
    FitToPicture();
}

void PictureBox::SetPicture(Picture picture) {
    Control::SetPicture(std::move(picture));
    FitToPicture();
}

void PictureBox::FitToPicture() {
    if (autoSize_ && !GetPicture().Empty()) {
        const PixelSize size = GetPicture().Size();
        SetBounds(PixelRect{Bounds().left, Bounds().top, size.width, size.height});
    }
}

DeviceContext PictureBox::hDC() {
    return BoxPeer() ? BoxPeer()->hDC() : 0;
}

void PictureBox::Cls() {
    currentX_ = 0;
    currentY_ = 0;
    if (BoxPeer()) {
        BoxPeer()->Cls();
    }
}

void PictureBox::Print(const std::string& text) {
    if (BoxPeer()) {
        BoxPeer()->Print(text, PixelPoint{GetScreen().ToPixelsX(currentX_), GetScreen().ToPixelsY(currentY_)});
    }
}

void Image::Reset() {
    Control::Reset();
    stretch_ = false;
}

void Image::SetStretch(bool stretch) {
    if (stretch != stretch_) {
        stretch_ = stretch;
        Changed(Property::kStretch);
    }
}

void Timer::Reset() {
    Control::Reset();
    interval_ = Definition().interval;
}

void Timer::RaiseTimer() {
    if (onTimer && Enabled()) {
        onTimer();
    }
}

}  // namespace startart
