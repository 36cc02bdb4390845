// The Win32 platform.
// Needs: user32, gdi32, kernel32, advapi32, shell32, ole32 (WIC through COM).
#include "win32_platform.h"

#include <stdexcept>

#include "paint/surface.h"
#include "paint/windowless_control.h"
#include "paint/windowless_picture_box.h"
#include "pictures/win32_picture.h"
#include "system/process_start.h"
#include "system/program_files.h"
#include "text.h"
#include "window_peers/command_button.h"
#include "window_peers/form_window.h"
#include "window_peers/timer_peer.h"

// msvcrt's malloc, behind operator new, aligns to 8 bytes in a 32-bit program.
// A type aligned to more (the picture scaler's SSE vectors) is safe on the
// heap only where the compiler sends it to the aligned operator new: the i686
// toolchain's -faligned-new=8 does.
static_assert(sizeof(void*) == 8 || __STDCPP_DEFAULT_NEW_ALIGNMENT__ <= 8,
              "a 32-bit Windows build needs -faligned-new=8 (cmake/mingw-i686.cmake)");

namespace startart::win32 {
namespace {

constexpr const wchar_t* kFormClass = L"StartartForm";

// The design-time icon drawn into pixels, for anything that asks the
// picture for its pixels rather than for an icon.
PixelImage IconPixels(HICON icon, int edge) {
    Surface surface;
    surface.Resize(PixelSize{edge, edge});
    const RECT whole{0, 0, edge, edge};
    FillRect(surface.Dc(), &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(surface.Dc(), 0, 0, icon, edge, edge, 0, nullptr, DI_NORMAL);
    PixelImage image{PixelSize{edge, edge}, {}};
    for (const std::uint32_t pixel : surface.Pixels()) {
        image.pixels.push_back(pixel | 0xFF000000u);
    }
    return image;
}

}  // namespace

Win32Platform::Win32Platform() : formClass_(Window::RegisterWindowClass(GetModuleHandleW(nullptr), kFormClass)) {}

Win32Platform::~Win32Platform() {
    UnregisterClassW(MAKEINTATOM(formClass_), GetModuleHandleW(nullptr));
}

int Win32Platform::RunMessageLoop() {
    MSG message;
    for (;;) {
        const BOOL result = GetMessageW(&message, nullptr, 0, 0);
        if (result == 0) {
            return static_cast<int>(message.wParam);
        }
        if (result == -1) {
            return static_cast<int>(ExitStatus::kRuntimeError);
        }
        // Tab, Enter, Esc and the arrow keys move between and press the
        // buttons of a window that has them, as in a dialog.
        const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        const FormWindow* form = root ? FormWindowOf(root) : nullptr;
        if (form && form->HasDialogKeys() && IsDialogMessageW(root, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

FormWindow* Win32Platform::FormWindowOf(HWND window) const {
    if (!window || GetClassLongPtrW(window, GCW_ATOM) != formClass_) {
        return nullptr;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) {
        return nullptr;
    }
    return dynamic_cast<FormWindow*>(reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
}

ScreenMetrics Win32Platform::Metrics() const {
    // The core works in logical pixels of 15 twips on any display; the
    // primary display's size is told in them too.
    const DpiScale primary(DpiOf(nullptr));
    ScreenMetrics metrics;
    metrics.widthPixels = primary.ToLogical(GetSystemMetrics(SM_CXSCREEN));
    metrics.heightPixels = primary.ToLogical(GetSystemMetrics(SM_CYSCREEN));
    return metrics;
}

PixelSize Win32Platform::FrameSize(FormBorderStyle style) const {
    const FrameStyles styles = StylesOf(style);
    return LogicalFrame(styles.style, styles.exStyle);
}

FormWindow& Win32Platform::FormWindowFor(const Control& control) const {
    auto* form = dynamic_cast<FormWindow*>(control.Parent().Peer());
    if (!form) {
        throw std::logic_error("a control's window before its form's");
    }
    return *form;
}

std::unique_ptr<FormPeer> Win32Platform::CreateFormPeer(Form& form) {
    return std::make_unique<FormWindow>(*this, formClass_, form);
}

std::unique_ptr<PictureBoxPeer> Win32Platform::CreatePictureBoxPeer(PictureBox& box) {
    return std::make_unique<WindowlessPictureBox>(FormWindowFor(box), box, syncs_, backdrops_);
}

std::unique_ptr<ControlPeer> Win32Platform::CreateControlPeer(Control& control) {
    FormWindow& form = FormWindowFor(control);
    switch (control.Kind()) {
        case ControlKind::kImage:
            return std::make_unique<ImagePeer>(form, static_cast<Image&>(control));
        case ControlKind::kLabel:
            return std::make_unique<LabelPeer>(form, static_cast<Label&>(control));
        case ControlKind::kCommandButton:
            return std::make_unique<CommandButtonWindow>(static_cast<CommandButton&>(control), form);
        case ControlKind::kTimer:
            return std::make_unique<TimerPeer>(form, static_cast<Timer&>(control));
        default:
            throw std::logic_error("no peer for control " + control.Name());
    }
}

Picture Win32Platform::DesignIcon() {
    if (designIcon_.Empty()) {
        constexpr int kEdge = 32;
        const IconSource source{L"", kDesignIconResource};
        const UniqueIcon icon = Win32Picture(DecodedPicture{PixelImage{}, source}).MakeIcon(kEdge);
        designIcon_ = Picture(std::make_shared<const Win32Picture>(
            DecodedPicture{icon ? IconPixels(icon.get(), kEdge) : PixelImage{}, source}));
    }
    return designIcon_;
}

Picture Win32Platform::LoadPicture(const std::string& path) {
    return decoder_.Load(path);
}

int Win32Platform::SetTextCharacterExtra(DeviceContext dc, int extra) {
    return ::SetTextCharacterExtra(reinterpret_cast<HDC>(dc), extra);
}

std::optional<std::vector<unsigned char>> Win32Platform::ReadFileHead(const std::string& path, std::size_t maxBytes) {
    return ReadHead(Widen(path), maxBytes);
}

std::string Win32Platform::ExecutableDirectory() const {
    return DirectoryOf(ProgramPath());
}

std::string Win32Platform::ApplicationTitle() const {
    return TitleOf(ProgramPath());
}

void Win32Platform::ShowMessage(const std::string& text, const std::string& caption) {
    // Task modal without an owner: every window of the program waits for it.
    MessageBoxW(nullptr, Widen(text).c_str(), Widen(caption).c_str(), MB_OK | MB_TASKMODAL);
}

std::optional<StartFailure> Win32Platform::StartProcess(const std::string& commandLine,
                                                        ShowState show,
                                                        SystemProgram program) {
    return StartCommandLine(commandLine, show, program);
}

std::optional<StartFailure> Win32Platform::StartThroughShell(const std::string& program,
                                                             const std::string& parameters,
                                                             ShowState show) {
    return win32::StartThroughShell(program, parameters, show);
}

std::optional<StartFailure> Win32Platform::OpenDocument(const std::string& path, ShowState show) {
    return OpenWithAssociatedProgram(path, show);
}

bool Win32Platform::OfferOpenWith(const std::string& path) {
    return win32::OfferOpenWith(path);
}

void Win32Platform::Quit(ExitStatus status) {
    if (!std::exchange(quitting_, true)) {
        PostQuitMessage(static_cast<int>(status));
    }
}

}  // namespace startart::win32
