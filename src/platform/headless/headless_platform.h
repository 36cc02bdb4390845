// The in-memory platform of the unit tests. It holds no windows: it records
// what the core asks of the system (message boxes, started command lines,
// text printed on picture boxes, the end of the program), answers from what a
// test put into it (files, pictures, registry values, screen metrics), and
// raises events through the same barrier as the real platform.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "headless_registry.h"
#include "toolkit/control.h"
#include "toolkit/form.h"
#include "toolkit/platform.h"
#include "toolkit/print_log.h"

namespace startart {

class HeadlessPictureBoxPeer : public PictureBoxPeer {
  public:
    HeadlessPictureBoxPeer(class HeadlessPlatform& platform, PictureBox& box, DeviceContext dc);

    void Update(Property changed) override;
    void Cls() override;
    void Print(const std::string& text, PixelPoint at) override;
    DeviceContext hDC() override { return dc_; }

    // What the surface shows now: everything printed since the last Cls.
    std::vector<PrintedText> surface;
    int clsCount = 0;
    int printCount = 0;
    std::map<Property, int> updates;

  private:
    HeadlessPlatform& platform_;
    PictureBox& box_;
    DeviceContext dc_;
};

class HeadlessControlPeer : public ControlPeer {
  public:
    void Update(Property changed) override { ++updates[changed]; }
    std::map<Property, int> updates;
};

class HeadlessFormPeer : public FormPeer {
  public:
    HeadlessFormPeer(class HeadlessPlatform& platform, Form& form) : platform_(platform), form_(form) {}
    ~HeadlessFormPeer() override;

    void Update(Property changed) override;
    void Activate() override;
    void AccessibleFocusMoved(int item) override { accessibleFocus.push_back(item); }

    std::map<Property, int> updates;
    // The accessible items the keyboard moved the focus to, in turn.
    std::vector<int> accessibleFocus;

  private:
    HeadlessPlatform& platform_;
    Form& form_;
};

class HeadlessPicture : public PictureData {
  public:
    HeadlessPicture(std::string path, PixelSize size) : path_(std::move(path)), size_(size) {}
    PixelSize Size() const override { return size_; }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    PixelSize size_;
};

class HeadlessPlatform : public Platform {
  public:
    HeadlessPlatform();

    // --- What a test sets up ---
    ScreenMetrics metrics;
    std::map<FormBorderStyle, PixelSize> frames;
    std::string executableDirectory = "D:\\medium";
    std::string applicationTitle = "startart";
    std::map<std::string, std::vector<unsigned char>> files;
    HeadlessRegistry registry;
    // Decide the outcome of each process start or document opened, and of
    // each start through the shell; by default every start works.
    std::function<std::optional<StartFailure>(const std::string& commandLine)> startOutcome;
    std::function<std::optional<StartFailure>(const std::string& program)> shellOutcome;
    // Whether the system has an "Open with" dialog; the user picks a program
    // in it.
    bool openWithDialog = true;
    // Runs while a message box is open, as a user would read it.
    std::function<void(const std::string& text)> onMessage;

    // A file that decodes as a picture of the given size.
    void AddPicture(const std::string& path, PixelSize size);
    // Takes a file, picture or not, off the medium.
    void RemoveFile(const std::string& path);

    // --- What the core did ---
    struct Message {
        std::string text;
        std::string caption;
    };
    std::vector<Message> messages;
    struct Start {
        enum class Way { kProcess, kDocument, kShell, kOpenWith };
        // The command line, the document (or web address), or the program
        // started through the shell.
        std::string commandLine;
        ShowState show;
        Way way = Way::kProcess;
        SystemProgram program = SystemProgram::kNone;
        // Of a start through the shell.
        std::string parameters;
    };
    std::vector<Start> started;
    std::optional<ExitStatus> exitStatus;
    Form* activeForm = nullptr;
    std::map<DeviceContext, int> characterExtra;

    // --- A user's actions, each through the event barrier ---
    bool Click(Control& control);
    bool MouseMove(Control& control);
    bool Tick(Timer& timer);
    bool Close(Form& form);
    bool KeyDown(Form& form, Key key, bool shift = false);
    // The user makes a window active, for example by clicking into it.
    bool Activate(Form& form);

    static HeadlessPictureBoxPeer& PeerOf(PictureBox& box);

    // --- Platform ---
    ScreenMetrics Metrics() const override { return metrics; }
    PixelSize FrameSize(FormBorderStyle style) const override;
    std::unique_ptr<FormPeer> CreateFormPeer(Form& form) override;
    std::unique_ptr<PictureBoxPeer> CreatePictureBoxPeer(PictureBox& box) override;
    std::unique_ptr<ControlPeer> CreateControlPeer(Control& control) override;
    Picture DesignIcon() override;
    Picture LoadPicture(const std::string& path) override;
    int SetTextCharacterExtra(DeviceContext dc, int extra) override;
    std::optional<std::vector<unsigned char>> ReadFileHead(const std::string& path, std::size_t maxBytes) override;
    std::string ExecutableDirectory() const override { return executableDirectory; }
    std::string ApplicationTitle() const override { return applicationTitle; }
    void ShowMessage(const std::string& text, const std::string& caption) override;
    std::optional<StartFailure> StartProcess(const std::string& commandLine,
                                             ShowState show,
                                             SystemProgram program) override;
    std::optional<StartFailure> StartThroughShell(const std::string& program,
                                                  const std::string& parameters,
                                                  ShowState show) override;
    std::optional<StartFailure> OpenDocument(const std::string& path, ShowState show) override;
    bool OfferOpenWith(const std::string& path) override;
    RegistryAccess& Registry() override { return registry; }
    void Quit(ExitStatus status) override;

    // Focus moves to form (null: to another program), with the Deactivate
    // event of the window that loses it.
    void MoveActivation(Form* form);

  private:
    std::map<std::string, PixelSize> pictures_;
    DeviceContext nextDc_ = 1;
    static constexpr int kMaxActivationDepth = 16;
    int activationDepth_ = 0;
};

}  // namespace startart
