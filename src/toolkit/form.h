// A window of the toolkit model. It builds its controls from its definition;
// loading creates the window and the controls' peers and runs the window's
// Load code; unloading runs its Unload code, discards the window and puts
// every property back to the definition, so the next load starts afresh.
// Left, Top, Width and Height are the outer window; the definition's size
// is the client area.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "toolkit/accessible.h"
#include "toolkit/control.h"
#include "toolkit/control_array.h"
#include "toolkit/definition.h"
#include "toolkit/screen.h"

namespace startart {

class Platform;
class FormPeer;

// The keys a window answers, beyond what its command buttons take.
enum class Key { kUp, kDown, kTab, kEnter, kSpace, kEscape };

class Form : public Control {
  public:
    Form(Platform& platform, FormDefinition definition);
    ~Form() override;

    Platform& GetPlatform() const { return platform_; }
    const Screen& GetScreen() const { return screen_; }
    const FormDefinition& WindowDefinition() const { return windowDefinition_; }
    const Font& WindowFont() const { return windowFont_; }

    bool Loaded() const { return loaded_; }
    // Creates the window and its controls, then runs the Load code. Nothing
    // happens when the window is loaded already.
    void Load();
    // Loads the window when needed, makes it visible and activates it.
    void Show();
    void SetFocus();
    // Runs the Unload code, then discards the window.
    void Unload();

    // The client area in twips.
    Single ScaleWidth() const;
    Single ScaleHeight() const;
    PixelSize ClientSize() const;

    const Picture& Icon() const { return icon_; }
    void SetIcon(Picture icon);

    // Front to back.
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    // Called by the platform when its window holds another rectangle than
    // the one asked for (a window larger than the screen is held to it):
    // from then on the form reads back what the window holds.
    void AcceptWindowBounds(PixelRect outer) { TakeBoundsFromPeer(outer); }

    // Called by the platform, inside the event barrier.
    void RaiseCloseRequest();
    void RaiseGotFocus();
    // The window has become the active one.
    void RaiseActivate();
    // A key pressed in the window; Esc presses its cancel button.
    void RaiseKeyDown(Key key, bool shift);

    // For screen readers; none by default.
    virtual AccessibleItems Accessibles() const { return {}; }

  protected:
    virtual void FormLoad() {}
    virtual void FormUnload() {}
    virtual void FormGotFocus() {}
    virtual void FormActivate() {}
    virtual void FormKeyDown(Key /*key*/, bool /*shift*/) {}

    // Tells screen readers that the keyboard moved the focus to the
    // accessible item whose area this is.
    void AccessibleFocusMovedTo(const Control& area);

    template <class T>
    T& Find(const std::string& name) const {
        for (const auto& control : controls_) {
            if (control->Name() == name && control->Index() == kNoIndex) {
                return dynamic_cast<T&>(*control);
            }
        }
        throw std::logic_error("no control " + name);
    }

    template <class T>
    ControlArray<T> FindArray(const std::string& name) const {
        std::vector<T*> members;
        for (const auto& control : controls_) {
            if (control->Name() == name && control->Index() != kNoIndex) {
                const auto index = static_cast<std::size_t>(control->Index());
                members.resize(std::max(members.size(), index + 1), nullptr);
                members[index] = &dynamic_cast<T&>(*control);
            }
        }
        return ControlArray<T>(std::move(members));
    }

    void Reset() override;
    std::unique_ptr<ControlPeer> MakePeer(Platform& platform) override;

  private:
    Control* FindContainer(const ControlDefinition& definition) const;
    FormPeer* WindowPeer() const;

    Platform& platform_;
    Screen screen_;
    FormDefinition windowDefinition_;
    Font windowFont_;
    PixelSize frame_;
    std::vector<std::unique_ptr<Control>> controls_;
    Picture icon_;
    bool loaded_ = false;
};

}  // namespace startart
