// Files for the Win32 tests: a temporary folder that is removed again, small
// pictures written byte by byte, the recorder that stands in for the
// programs the menu starts, and the registry entries that make Windows start
// it for a type or protocol.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace startart::win32::testing {

// A new, empty folder under the user's temporary folder, removed with
// everything in it when this goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The folder as the core holds paths: UTF-8, without a trailing backslash.
    std::string Utf8() const;
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

void WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);

// A 24-bit BMP; colour(x, y) gives 0xRRGGBB.
void WriteBmp(const std::filesystem::path& path,
              int width,
              int height,
              const std::function<std::uint32_t(int x, int y)>& colour);

// The folder the test program lies in.
std::filesystem::path TestProgramFolder();

// A copy of the recorder program (recorder.cpp) at `program`, folders made as
// needed. Returns the log it writes beside itself.
std::filesystem::path CopyRecorder(const std::filesystem::path& program);

// The log of a recorder, once it holds at least `lines` lines (a started
// process writes in its own time); what it holds after five seconds if not.
std::string RecordedLines(const std::filesystem::path& log, std::size_t lines);

// Puts recorder copies where Windows keeps write.exe, notepad.exe and
// explorer.exe (the test prefix's own), with empty logs. The copies beside
// the test program are decoys: a namesake beside a program must never run.
void InstallStandIns();
std::filesystem::path StandIn(const std::string& program);
std::filesystem::path StandInLog(const std::string& program);
std::filesystem::path DecoyLog(const std::string& program);

// The default value of a key of HKEY_CLASSES_ROOT (an association, the
// handler of a protocol) set while this lives; the value before comes back
// when it goes.
class ClassesRootValue {
  public:
    ClassesRootValue(std::wstring key, const std::wstring& value);
    ~ClassesRootValue();
    ClassesRootValue(const ClassesRootValue&) = delete;
    ClassesRootValue& operator=(const ClassesRootValue&) = delete;

  private:
    static void Set(HKEY key, const std::wstring& value);

    std::wstring key_;
    std::optional<std::wstring> before_;
};

// The command that opens a document with the program, as the registry
// keeps it.
std::wstring OpenCommand(const std::filesystem::path& program);

// A recorder copied to `program` and registered as the handler of http and
// https addresses, the browser, while this lives.
class RegisteredBrowser {
  public:
    explicit RegisteredBrowser(const std::filesystem::path& program);

    // What it records when the shell hands it the address.
    std::string Recorded(const std::string& address) const;
    const std::filesystem::path& Log() const { return log_; }

  private:
    std::filesystem::path program_;
    std::filesystem::path log_;
    ClassesRootValue http_;
    ClassesRootValue https_;
};

// An address as publishers' addresses often are, with a query string.
inline constexpr const char* kAddressWithQuery = "https://www.example.de/katalog?isbn=3-12&s=2";

// Makes a folder the current directory, and the one before current again
// when this goes.
class CurrentDirectory {
  public:
    explicit CurrentDirectory(const std::filesystem::path& folder);
    ~CurrentDirectory();
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

  private:
    std::filesystem::path previous_;
};

}  // namespace startart::win32::testing
