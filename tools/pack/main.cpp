// startart-pack: the authoring tool for st.art. Everything but turning the
// platform's arguments into UTF-8 and finding the tool's own folder lives in
// the library, where it is tested.
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "pack/cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "pack/medium_files.h"

namespace {

std::filesystem::path ToolFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return std::filesystem::path(path).parent_path();
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

// Wide arguments, so file names with umlauts arrive whatever the code page;
// the console shows the UTF-8 output as such. The output is binary, so that
// unpack to a redirected standard output writes the same bytes as with -o.
int wmain(int argc, wchar_t** argv) {
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(startart::pack::Utf8FromPath(argv[i]));
    }
    return startart::pack::RunPackTool(args, ToolFolder(), std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
    std::error_code error;
    const std::filesystem::path tool = std::filesystem::read_symlink("/proc/self/exe", error);
    return startart::pack::RunPackTool(std::vector<std::string>(argv + 1, argv + argc), tool.parent_path(), std::cout,
                                       std::cerr);
}
#endif
