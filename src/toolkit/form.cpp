#include "toolkit/form.h"

#include <ranges>

#include "toolkit/event_barrier.h"
#include "toolkit/platform.h"

namespace startart {
namespace {

ControlDefinition WindowAsControl(const FormDefinition& definition) {
    ControlDefinition control;
    control.kind = ControlKind::kForm;
    control.name = definition.name;
    control.caption = definition.caption;
    control.font = definition.font;
    control.backColor = definition.backColor;
    control.visible = false;
    return control;
}

std::unique_ptr<Control> MakeControl(Form& form, const ControlDefinition& definition) {
    switch (definition.kind) {
        case ControlKind::kPictureBox:
            return std::make_unique<PictureBox>(form, definition);
        case ControlKind::kImage:
            return std::make_unique<Image>(form, definition);
        case ControlKind::kLabel:
            return std::make_unique<Label>(form, definition);
        case ControlKind::kCommandButton:
            return std::make_unique<CommandButton>(form, definition);
        case ControlKind::kTimer:
            return std::make_unique<Timer>(form, definition);
        case ControlKind::kForm:
            break;
    }
    throw std::logic_error("a window cannot hold a window: " + definition.name);
}

}  // namespace

Form::Form(Platform& platform, FormDefinition definition)
    : Control(*this, WindowAsControl(definition)),
      platform_(platform),
      screen_(platform.Metrics()),
      windowDefinition_(std::move(definition)),
      windowFont_(windowDefinition_.font.value_or(DefaultDialogFont())),
      frame_(platform.FrameSize(windowDefinition_.borderStyle)) {
    for (const ControlDefinition& control : windowDefinition_.controls) {
        controls_.push_back(MakeControl(*this, control));
    }
    for (const auto& control : controls_) {
        control->SetContainer(FindContainer(control->Definition()));
    }
    Reset();
}

Form::~Form() = default;

Control* Form::FindContainer(const ControlDefinition& definition) const {
    if (definition.container.empty()) {
        return nullptr;
    }
    for (const auto& control : controls_) {
        if (control->Name() == definition.container && control->Index() == definition.index) {
            return control.get();
        }
    }
    throw std::logic_error("no container " + definition.container + " for " + definition.name);
}

void Form::Reset() {
    Control::Reset();
    const int width = screen_.ToPixelsX(windowDefinition_.clientWidth) + frame_.width;
    const int height = screen_.ToPixelsY(windowDefinition_.clientHeight) + frame_.height;
    PixelPoint origin;
    if (windowDefinition_.startUpPosition == StartUpPosition::kCenterScreen) {
        const ScreenMetrics metrics = platform_.Metrics();
        origin = PixelPoint{(metrics.widthPixels - width) / 2, (metrics.heightPixels - height) / 2};
    }
    SetBounds(PixelRect{origin.x, origin.y, width, height});
    icon_ = windowDefinition_.designIcon ? platform_.DesignIcon() : Picture();
    for (const auto& control : controls_) {
        control->Reset();
    }
}

std::unique_ptr<ControlPeer> Form::MakePeer(Platform& platform) {
    return platform.CreateFormPeer(*this);
}

FormPeer* Form::WindowPeer() const {
    return static_cast<FormPeer*>(Peer());
}

void Form::Load() {
    if (loaded_) {
        return;
    }
    CreatePeer(platform_);
    // Containers before what they contain.
    for (const auto& control : controls_) {
        if (!control->Container()) {
            control->CreatePeer(platform_);
        }
    }
    for (const auto& control : controls_) {
        if (control->Container()) {
            control->CreatePeer(platform_);
        }
    }
    loaded_ = true;
    FormLoad();
}

void Form::Show() {
    Load();
    SetVisible(true);
    WindowPeer()->Activate();
}

void Form::SetFocus() {
    if (loaded_ && Visible()) {
        WindowPeer()->Activate();
    }
}

void Form::Unload() {
    if (!loaded_) {
        return;
    }
    FormUnload();
    loaded_ = false;
    SetVisible(false);
    EventBarrier& barrier = platform_.Barrier();
    for (const auto& control : controls_ | std::views::reverse) {
        control->RetirePeer(barrier);
    }
    RetirePeer(barrier);
    Reset();
}

Single Form::ScaleWidth() const {
    return screen_.ToTwipsX(ClientSize().width);
}

Single Form::ScaleHeight() const {
    return screen_.ToTwipsY(ClientSize().height);
}

PixelSize Form::ClientSize() const {
    return PixelSize{Bounds().width - frame_.width, Bounds().height - frame_.height};
}

void Form::SetIcon(Picture icon) {
    icon_ = std::move(icon);
    Changed(Property::kIcon);
}

void Form::RaiseCloseRequest() {
    Unload();
}

void Form::RaiseGotFocus() {
    FormGotFocus();
}

void Form::RaiseActivate() {
    FormActivate();
}

void Form::RaiseKeyDown(Key key, bool shift) {
    if (key == Key::kEscape) {
        for (const auto& control : controls_) {
            if (control->Definition().cancel && control->Visible()) {
                control->RaiseClick();
                return;
            }
        }
    }
    FormKeyDown(key, shift);
}

void Form::AccessibleFocusMovedTo(const Control& area) {
    const AccessibleItems items = Accessibles();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].area == &area && WindowPeer()) {
            WindowPeer()->AccessibleFocusMoved(static_cast<int>(i));
        }
    }
}

}  // namespace startart
