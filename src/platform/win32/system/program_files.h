// The running program's file and the files beside it: where the program
// lies, what it is called, and the head of a file read without creating or
// locking it.
// Needs: kernel32.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace startart::win32 {

// The program's full path, however long.
std::wstring ProgramPath();
// Its directory, without a trailing backslash except at a drive root.
std::string DirectoryOf(const std::wstring& path);
// Its file name without the extension.
std::string TitleOf(const std::wstring& path);

std::optional<std::vector<unsigned char>> ReadHead(const std::wstring& path, std::size_t maxBytes);

}  // namespace startart::win32
