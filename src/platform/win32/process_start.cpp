// Process start with CreateProcessW and ShellExecuteExW.
// Needs: kernel32, shell32.
#include "process_start.h"

#include <windows.h>

#include <shellapi.h>

#include "handles.h"
#include "text.h"

namespace startart::win32 {
namespace {

// Our own German words for the errors a menu on a medium meets; for any
// other, the system's message in the user's language.
std::string Reason(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
            return "Das System kann die angegebene Datei nicht finden.";
        case ERROR_PATH_NOT_FOUND:
            return "Das System kann den angegebenen Pfad nicht finden.";
        case ERROR_ACCESS_DENIED:
            return "Zugriff verweigert.";
        case ERROR_BAD_EXE_FORMAT:
            return "Die Datei ist keine zulässige Anwendung.";
        case ERROR_NO_ASSOCIATION:
            return "Diesem Dateityp ist kein Programm zugeordnet.";
        default:
            break;
    }
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring message(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n')) {
        message.pop_back();
    }
    return message.empty() ? "Fehler " + std::to_string(error) : Narrow(message);
}

StartFailure FailureOf(DWORD error) {
    return StartFailure{Reason(error), error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND};
}

}  // namespace

std::optional<StartFailure> StartCommandLine(const std::string& commandLine, ShowState show) {
    // CreateProcessW may write into the command line.
    std::wstring writable = Widen(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return FailureOf(GetLastError());
    }
    const UniqueKernelHandle processHandle(process.hProcess);
    const UniqueKernelHandle threadHandle(process.hThread);
    return std::nullopt;
}

std::optional<StartFailure> OpenWithAssociatedProgram(const std::string& path, ShowState show) {
    const std::wstring file = Widen(path);
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    execute.lpVerb = L"open";
    execute.lpFile = file.c_str();
    execute.nShow = static_cast<int>(show);
    if (!ShellExecuteExW(&execute)) {
        return FailureOf(GetLastError());
    }
    return std::nullopt;
}

}  // namespace startart::win32
