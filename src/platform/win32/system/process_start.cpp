// Process start with CreateProcessW, ShellExecuteExW and the "Open with"
// dialog.
// Needs: kernel32, shell32.
#include "system/process_start.h"

#include <shellapi.h>
#include <shlobj.h>

#include "handles.h"
#include "system/system_files.h"
#include "text.h"

namespace startart::win32 {
namespace {

// Older MinGW headers lack it.
constexpr DWORD kElevationRequired = 740;

std::string SystemText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring message(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' ')) {
        message.pop_back();
    }
    return Narrow(message);
}

StartFailure FailureOf(DWORD error) {
    StartFailure failure{FailureReason(error)};
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            failure.kind = StartFailure::Kind::kProgramMissing;
            break;
        case kElevationRequired:
            failure.kind = StartFailure::Kind::kElevationRequired;
            break;
        case ERROR_CANCELLED:
            failure.kind = StartFailure::Kind::kCancelled;
            break;
        case ERROR_NO_ASSOCIATION:
            failure.kind = StartFailure::Kind::kNoAssociation;
            break;
        default:
            break;
    }
    return failure;
}

}  // namespace

std::string FailureReason(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
            return "Das System kann die angegebene Datei nicht finden.";
        case ERROR_PATH_NOT_FOUND:
            return "Das System kann den angegebenen Pfad nicht finden.";
        case ERROR_ACCESS_DENIED:
            return "Zugriff verweigert.";
        case ERROR_SHARING_VIOLATION:
            return "Die Datei wird gerade von einem anderen Programm verwendet.";
        case ERROR_BAD_EXE_FORMAT:
            return "Die Datei ist keine zulässige Anwendung.";
        case ERROR_EXE_MACHINE_TYPE_MISMATCH:
            return "Das Programm ist für einen anderen Prozessor bestimmt und läuft auf diesem Computer nicht.";
        case kElevationRequired:
            return "Das Programm braucht Administratorrechte.";
        case ERROR_CANCELLED:
            return "Der Vorgang wurde vom Benutzer abgebrochen.";
        case ERROR_NO_ASSOCIATION:
            return "Diesem Dateityp ist kein Programm zugeordnet.";
        default:
            break;
    }
    const std::string text = SystemText(error);
    return text.empty() ? "Windows-Fehler " + std::to_string(error) : text;
}

std::wstring SystemProgramPath(SystemProgram program) {
    switch (program) {
        case SystemProgram::kWrite:
            return InSystemFolder(L"write.exe");
        case SystemProgram::kNotepad:
            return InSystemFolder(L"notepad.exe");
        case SystemProgram::kNone:
            break;
    }
    return {};
}

std::optional<StartFailure> StartCommandLine(const std::string& commandLine, ShowState show, SystemProgram program) {
    // CreateProcessW may write into the command line.
    std::wstring writable = Widen(commandLine);
    const std::wstring application = SystemProgramPath(program);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(application.empty() ? nullptr : application.c_str(), writable.data(), nullptr, nullptr, FALSE,
                        0, nullptr, nullptr, &startup, &process)) {
        return FailureOf(GetLastError());
    }
    const UniqueKernelHandle processHandle(process.hProcess);
    const UniqueKernelHandle threadHandle(process.hThread);
    return std::nullopt;
}

namespace {

std::optional<StartFailure> ShellOpen(const std::wstring& file, const std::wstring& parameters, ShowState show) {
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    // The consent prompt comes up in front of this window; without one it
    // would only flash in the task bar.
    execute.hwnd = GetActiveWindow();
    execute.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    execute.lpVerb = L"open";
    execute.lpFile = file.c_str();
    execute.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    execute.nShow = static_cast<int>(show);
    if (!ShellExecuteExW(&execute)) {
        return FailureOf(GetLastError());
    }
    return std::nullopt;
}

}  // namespace

std::optional<StartFailure> StartThroughShell(const std::string& program,
                                              const std::string& parameters,
                                              ShowState show) {
    return ShellOpen(Widen(program), Widen(parameters), show);
}

std::optional<StartFailure> OpenWithAssociatedProgram(const std::string& path, ShowState show) {
    return ShellOpen(Widen(path), L"", show);
}

bool OfferOpenWith(const std::string& path) {
    using OpenWithDialog = HRESULT(WINAPI*)(HWND, const OPENASINFO*);
    const auto dialog = FunctionOf<OpenWithDialog>(GetModuleHandleW(L"shell32.dll"), "SHOpenWithDialog");
    if (!dialog) {
        return false;
    }
    const std::wstring file = Widen(path);
    OPENASINFO info{};
    info.pcszFile = file.c_str();
    info.oaifInFlags = OAIF_EXEC;
    const HRESULT result = dialog(GetActiveWindow(), &info);
    return SUCCEEDED(result) || result == HRESULT_FROM_WIN32(ERROR_CANCELLED);
}

}  // namespace startart::win32
