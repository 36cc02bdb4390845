// Faults of the processor reported as run-time errors.
// Needs: kernel32, user32.
#include "runtime/fault_report.h"

#include <windows.h>

#include <iterator>
#include <string>

#include "basic/program_end.h"
#include "handles.h"
#include "system/program_files.h"
#include "system/system_files.h"
#include "text.h"
#include "toolkit/event_barrier.h"

namespace startart::win32 {
namespace {

struct FaultKind {
    DWORD code;
    const char* description;
};

constexpr FaultKind kFatalFaults[] = {
    {EXCEPTION_ACCESS_VIOLATION, "Zugriffsverletzung"},
    // A page of the program that could not be read in, as when the medium
    // it runs from has been taken out.
    {EXCEPTION_IN_PAGE_ERROR, "Speicherseite nicht lesbar"},
    {EXCEPTION_ILLEGAL_INSTRUCTION, "Ungültiger Befehl"},
    {EXCEPTION_PRIV_INSTRUCTION, "Privilegierter Befehl"},
    {EXCEPTION_INT_DIVIDE_BY_ZERO, "Division durch Null"},
    {EXCEPTION_INT_OVERFLOW, "Überlauf"},
    {EXCEPTION_STACK_OVERFLOW, "Stapelüberlauf"},
    {EXCEPTION_DATATYPE_MISALIGNMENT, "Falsch ausgerichtete Daten"},
    {EXCEPTION_ARRAY_BOUNDS_EXCEEDED, "Feldgrenze überschritten"},
};
constexpr std::size_t kFatalFaultCount = std::size(kFatalFaults);

// The code as Windows writes it, "0xC0000005". By hand: printf's family
// would bring its whole formatting code into the program.
std::wstring ReportOf(DWORD code, const char* description) {
    std::string number = "0x";
    for (int shift = 28; shift >= 0; shift -= 4) {
        number += "0123456789ABCDEF"[(code >> shift) & 0xF];
    }
    return Widen(FormatRuntimeError(number, description));
}

// Everything a report needs, made before any fault: when one comes, the heap
// may be what broke.
struct Reports {
    std::wstring caption;
    std::wstring fatal[kFatalFaultCount];
    const BYTE* programBegin = nullptr;
    const BYTE* programEnd = nullptr;
};
Reports* reports = nullptr;
LONG reporting = 0;

DWORD WINAPI ShowReport(void* text) {
    MessageBoxW(nullptr, static_cast<const wchar_t*>(text), reports->caption.c_str(),
                MB_OK | MB_TASKMODAL | MB_SETFOREGROUND);
    return 0;
}

void ReportAndEnd(const wchar_t* text) {
    // Only the first fault is reported: one in the report itself, or on
    // another thread meanwhile, ends the program at once.
    if (InterlockedExchange(&reporting, 1) == 0) {
        // On a thread of its own: the faulting thread may have next to no
        // stack left, and its windows must not be painted again while the
        // report shows.
        const UniqueKernelHandle thread(CreateThread(nullptr, 0, ShowReport, const_cast<wchar_t*>(text), 0, nullptr));
        if (thread) {
            WaitForSingleObject(thread.get(), INFINITE);
        }
    }
    // Nothing of the program runs any more: its state is not to be trusted.
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(ExitStatus::kRuntimeError));
}

const wchar_t* FatalReport(DWORD code) {
    for (std::size_t i = 0; i < kFatalFaultCount; ++i) {
        if (kFatalFaults[i].code == code) {
            return reports->fatal[i].c_str();
        }
    }
    return nullptr;
}

// Sees every exception first, before any handler of the frames it passes.
// A fault in the program's own code is fatal at once: no code of the program
// handles one, and Windows or Wine would swallow it where the kernel called
// a window procedure. A fault in a system DLL is left to the handlers there,
// which may expect it, and reaches the filter below when none does.
LONG CALLBACK OnFirstSight(EXCEPTION_POINTERS* exception) {
    const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
    const auto* address = static_cast<const BYTE*>(record.ExceptionAddress);
    const wchar_t* report = FatalReport(record.ExceptionCode);
    if (report && address >= reports->programBegin && address < reports->programEnd) {
        ReportAndEnd(report);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

// A fault that no handler took, wherever it came from. Other exceptions go on
// to the system's report.
LONG WINAPI OnUnhandled(EXCEPTION_POINTERS* exception) {
    if (const wchar_t* report = FatalReport(exception->ExceptionRecord->ExceptionCode)) {
        ReportAndEnd(report);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

// 64-bit Windows ignores an exception that a 32-bit program raises in a
// callback from the kernel, unless the program says otherwise. Windows
// without the update that brought the setting lacks the functions.
void StopIgnoringFaultsInCallbacks() {
    constexpr DWORD kCallbackFilterEnabled = 0x1;
    using GetPolicy = BOOL(WINAPI*)(LPDWORD);
    using SetPolicy = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto get = FunctionOf<GetPolicy>(kernel, "GetProcessUserModeExceptionPolicy");
    const auto set = FunctionOf<SetPolicy>(kernel, "SetProcessUserModeExceptionPolicy");
    DWORD flags = 0;
    if (get && set && get(&flags)) {
        set(flags & ~kCallbackFilterEnabled);
    }
}

// Room on the stack for the handler after a stack overflow.
void KeepStackForTheReport() {
    using SetGuarantee = BOOL(WINAPI*)(PULONG);
    const auto set = FunctionOf<SetGuarantee>(GetModuleHandleW(L"kernel32.dll"), "SetThreadStackGuarantee");
    ULONG bytes = 32 * 1024;
    if (set) {
        set(&bytes);
    }
}

}  // namespace

void ReportFaultsAsRuntimeErrors() {
    StopIgnoringFaultsInCallbacks();
    static Reports made;
    made.caption = Widen(TitleOf(ProgramPath()));
    for (std::size_t i = 0; i < kFatalFaultCount; ++i) {
        made.fatal[i] = ReportOf(kFatalFaults[i].code, kFatalFaults[i].description);
    }
    const auto* image = reinterpret_cast<const BYTE*>(GetModuleHandleW(nullptr));
    const auto* headers =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(image + reinterpret_cast<const IMAGE_DOS_HEADER*>(image)->e_lfanew);
    made.programBegin = image;
    made.programEnd = image + headers->OptionalHeader.SizeOfImage;
    reports = &made;
    KeepStackForTheReport();
    AddVectoredExceptionHandler(1, OnFirstSight);
    SetUnhandledExceptionFilter(OnUnhandled);
}

}  // namespace startart::win32
