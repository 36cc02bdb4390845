// The files, folders and registry values that the Win32 tests and the hover benchmark write.
#include "test_files.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "handles.h"
#include "system/process_start.h"
#include "text.h"

namespace startart::win32::testing {

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, base);
    for (unsigned n = GetTickCount();; ++n) {
        path_ = std::filesystem::path(base) /
                ("startart-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n));
        if (std::filesystem::create_directory(path_)) {
            return;
        }
    }
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Utf8() const {
    const std::u8string text = path_.u8string();
    return std::string(text.begin(), text.end());
}

void WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void WriteBmp(const std::filesystem::path& path,
              int width,
              int height,
              const std::function<std::uint32_t(int x, int y)>& colour) {
    const int stride = (width * 3 + 3) & ~3;
    const auto imageSize = static_cast<std::uint32_t>(stride * height);
    std::vector<unsigned char> bytes;
    const auto put = [&bytes](std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
        }
    };
    put('B' | ('M' << 8), 2);
    put(54 + imageSize, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(imageSize, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            put(colour(x, y), 3);  // blue, green, red
        }
        put(0, stride - width * 3);
    }
    WriteBytes(path, bytes);
}

std::filesystem::path TestProgramFolder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

namespace {

std::filesystem::path LogOf(std::filesystem::path program) {
    return program.replace_extension(".log");
}

}  // namespace

std::filesystem::path CopyRecorder(const std::filesystem::path& program) {
    std::filesystem::create_directories(program.parent_path());
    std::filesystem::copy_file(TestProgramFolder() / "recorder.exe", program,
                               std::filesystem::copy_options::overwrite_existing);
    const std::filesystem::path log = LogOf(program);
    std::filesystem::remove(log);
    return log;
}

std::string RecordedLines(const std::filesystem::path& log, std::size_t lines) {
    std::string text;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ifstream file(log, std::ios::binary);
        std::stringstream content;
        content << file.rdbuf();
        text = content.str();
        if (static_cast<std::size_t>(std::ranges::count(text, '\n')) >= lines) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return text;
}

namespace {

constexpr const char* kSystemPrograms[] = {"write", "notepad", "explorer"};

// Wine runs its own programs of the system folder, whatever file lies there,
// unless it is told to load the file. Not explorer, whose copy in the system
// folder is Wine's desktop: the stand-in lies in the Windows folder.
void PreferTheFileInTheSystemFolder(const std::string& program) {
    HKEY overrides = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\DllOverrides", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &overrides, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot reach Wine's DLL overrides");
    }
    const std::wstring name = std::filesystem::path(program + ".exe").wstring();
    const wchar_t native[] = L"native";
    RegSetValueExW(overrides, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(native), sizeof native);
    RegCloseKey(overrides);
}

}  // namespace

void InstallStandIns() {
    for (const char* program : kSystemPrograms) {
        CopyRecorder(StandIn(program));
        if (std::string(program) != "explorer") {
            PreferTheFileInTheSystemFolder(program);
        }
        std::filesystem::remove(DecoyLog(program));
    }
}

std::filesystem::path StandIn(const std::string& program) {
    if (program == "write") {
        return SystemProgramPath(SystemProgram::kWrite);
    }
    if (program == "notepad") {
        return SystemProgramPath(SystemProgram::kNotepad);
    }
    if (program == "explorer") {
        wchar_t folder[MAX_PATH] = {};
        GetWindowsDirectoryW(folder, MAX_PATH);
        return std::filesystem::path(folder) / "explorer.exe";
    }
    throw std::invalid_argument("no system program " + program);
}

std::filesystem::path StandInLog(const std::string& program) {
    return LogOf(StandIn(program));
}

ClassesRootValue::ClassesRootValue(std::wstring key, const std::wstring& value) : key_(std::move(key)) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key_.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                        &created, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create a key of HKEY_CLASSES_ROOT");
    }
    const UniqueKey opened(created);
    wchar_t before[1024] = {};
    DWORD size = sizeof before - sizeof(wchar_t);
    if (RegQueryValueExW(opened.get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(before), &size) ==
        ERROR_SUCCESS) {
        before_ = before;
    }
    Set(opened.get(), value);
}

ClassesRootValue::~ClassesRootValue() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key_.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
        return;
    }
    const UniqueKey opened(key);
    if (before_) {
        Set(opened.get(), *before_);
    } else {
        RegDeleteValueW(opened.get(), nullptr);
    }
}

void ClassesRootValue::Set(HKEY key, const std::wstring& value) {
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::wstring OpenCommand(const std::filesystem::path& program) {
    return L"\"" + program.wstring() + L"\" \"%1\"";
}

RegisteredBrowser::RegisteredBrowser(const std::filesystem::path& program)
    : program_(program),
      log_(CopyRecorder(program)),
      http_(L"http\\shell\\open\\command", OpenCommand(program)),
      https_(L"https\\shell\\open\\command", OpenCommand(program)) {}

std::string RegisteredBrowser::Recorded(const std::string& address) const {
    return "\"" + Narrow(program_.wstring()) + "\" \"" + address + "\"\t1\n";
}

std::filesystem::path DecoyLog(const std::string& program) {
    return TestProgramFolder() / (program + ".log");
}

CurrentDirectory::CurrentDirectory(const std::filesystem::path& folder) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
}

CurrentDirectory::~CurrentDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

}  // namespace startart::win32::testing
