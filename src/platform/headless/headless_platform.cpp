#include "headless_platform.h"

#include <algorithm>
#include <stdexcept>

#include "basic/runtime_error.h"

namespace startart {

HeadlessPictureBoxPeer::HeadlessPictureBoxPeer(HeadlessPlatform& platform, PictureBox& box, DeviceContext dc)
    : platform_(platform), box_(box), dc_(dc) {}

void HeadlessPictureBoxPeer::Update(Property changed) {
    ++updates[changed];
}

void HeadlessPictureBoxPeer::Cls() {
    surface.clear();
    ++clsCount;
}

void HeadlessPictureBoxPeer::Print(const std::string& text, PixelPoint at) {
    ++printCount;
    surface.push_back(PrintedText{text, at, box_.GetFont(), box_.ForeColor(), platform_.characterExtra[dc_]});
}

HeadlessFormPeer::~HeadlessFormPeer() {
    if (platform_.activeForm == &form_) {
        platform_.activeForm = nullptr;
    }
}

void HeadlessFormPeer::Update(Property changed) {
    ++updates[changed];
    if (changed == Property::kVisible && !form_.Visible() && platform_.activeForm == &form_) {
        platform_.activeForm = nullptr;
    }
}

void HeadlessFormPeer::Activate() {
    platform_.MoveActivation(&form_);
}

HeadlessPlatform::HeadlessPlatform()
    : frames{{FormBorderStyle::kFixedDialog, PixelSize{6, 25}}, {FormBorderStyle::kFixedToolWindow, PixelSize{6, 21}}} {
}

void HeadlessPlatform::AddPicture(const std::string& path, PixelSize size) {
    files[path] = {'P', 'I', 'C'};
    pictures_[path] = size;
}

void HeadlessPlatform::RemoveFile(const std::string& path) {
    files.erase(path);
    pictures_.erase(path);
}

bool HeadlessPlatform::Click(Control& control) {
    return Barrier().Run([&] { control.RaiseClick(); });
}

bool HeadlessPlatform::MouseMove(Control& control) {
    return Barrier().Run([&] { control.RaiseMouseMove(); });
}

bool HeadlessPlatform::Tick(Timer& timer) {
    return Barrier().Run([&] { timer.RaiseTimer(); });
}

bool HeadlessPlatform::Close(Form& form) {
    return Barrier().Run([&] { form.RaiseCloseRequest(); });
}

bool HeadlessPlatform::KeyDown(Form& form, Key key, bool shift) {
    return Barrier().Run([&] { form.RaiseKeyDown(key, shift); });
}

bool HeadlessPlatform::Activate(Form& form) {
    return Barrier().Run([&] { MoveActivation(&form); });
}

void HeadlessPlatform::MoveActivation(Form* form) {
    Form* previous = activeForm;
    if (previous == form) {
        return;
    }
    // Windows that take the activation back from each other in their
    // Deactivate code would do so for ever; a test sees an error, not a hang.
    if (activationDepth_ >= kMaxActivationDepth) {
        throw std::logic_error("the activation passes back and forth without end");
    }
    struct Depth {
        int& count;
        ~Depth() { --count; }
    } depth{++activationDepth_};
    activeForm = form;
    if (form) {
        form->RaiseActivate();
    }
}

HeadlessPictureBoxPeer& HeadlessPlatform::PeerOf(PictureBox& box) {
    return dynamic_cast<HeadlessPictureBoxPeer&>(*box.Peer());
}

PixelSize HeadlessPlatform::FrameSize(FormBorderStyle style) const {
    return frames.at(style);
}

std::unique_ptr<FormPeer> HeadlessPlatform::CreateFormPeer(Form& form) {
    return std::make_unique<HeadlessFormPeer>(*this, form);
}

std::unique_ptr<PictureBoxPeer> HeadlessPlatform::CreatePictureBoxPeer(PictureBox& box) {
    return std::make_unique<HeadlessPictureBoxPeer>(*this, box, nextDc_++);
}

std::unique_ptr<ControlPeer> HeadlessPlatform::CreateControlPeer(Control&) {
    return std::make_unique<HeadlessControlPeer>();
}

Picture HeadlessPlatform::DesignIcon() {
    return Picture(std::make_shared<HeadlessPicture>("<design icon>", PixelSize{32, 32}));
}

Picture HeadlessPlatform::LoadPicture(const std::string& path) {
    const auto picture = pictures_.find(path);
    if (picture != pictures_.end()) {
        return Picture(std::make_shared<HeadlessPicture>(path, picture->second));
    }
    if (files.contains(path)) {
        RaiseInvalidPicture();
    }
    RaiseFileNotFound();
}

int HeadlessPlatform::SetTextCharacterExtra(DeviceContext dc, int extra) {
    int& current = characterExtra[dc];
    const int previous = current;
    current = extra;
    return previous;
}

std::optional<std::vector<unsigned char>> HeadlessPlatform::ReadFileHead(const std::string& path,
                                                                         std::size_t maxBytes) {
    const auto file = files.find(path);
    if (file == files.end()) {
        return std::nullopt;
    }
    const std::size_t length = std::min(maxBytes, file->second.size());
    return std::vector<unsigned char>(file->second.begin(), file->second.begin() + static_cast<long>(length));
}

void HeadlessPlatform::ShowMessage(const std::string& text, const std::string& caption) {
    messages.push_back(Message{text, caption});
    if (onMessage) {
        onMessage(text);
    }
}

std::optional<StartFailure> HeadlessPlatform::StartProcess(const std::string& commandLine,
                                                           ShowState show,
                                                           SystemProgram program) {
    auto failure = startOutcome ? startOutcome(commandLine) : std::nullopt;
    if (!failure) {
        started.push_back(Start{commandLine, show, Start::Way::kProcess, program, ""});
    }
    return failure;
}

std::optional<StartFailure> HeadlessPlatform::StartThroughShell(const std::string& program,
                                                                const std::string& parameters,
                                                                ShowState show) {
    auto failure = shellOutcome ? shellOutcome(program) : std::nullopt;
    if (!failure) {
        started.push_back(Start{program, show, Start::Way::kShell, SystemProgram::kNone, parameters});
    }
    return failure;
}

std::optional<StartFailure> HeadlessPlatform::OpenDocument(const std::string& path, ShowState show) {
    auto failure = startOutcome ? startOutcome(path) : std::nullopt;
    if (!failure) {
        started.push_back(Start{path, show, Start::Way::kDocument, SystemProgram::kNone, ""});
    }
    return failure;
}

bool HeadlessPlatform::OfferOpenWith(const std::string& path) {
    if (openWithDialog) {
        started.push_back(Start{path, ShowState::kNormal, Start::Way::kOpenWith, SystemProgram::kNone, ""});
    }
    return openWithDialog;
}

void HeadlessPlatform::Quit(ExitStatus status) {
    if (!exitStatus) {
        exitStatus = status;
    }
}

}  // namespace startart
