// Files for the Win32 tests: a temporary folder that is removed again, small
// pictures written byte by byte, and the recorder that stands in for the
// programs the menu starts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
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
std::filesystem::path StandInLog(const std::string& program);
std::filesystem::path DecoyLog(const std::string& program);

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
