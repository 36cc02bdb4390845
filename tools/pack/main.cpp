// startart-pack: the authoring tool for st.art. Everything but turning the
// platform's arguments into UTF-8 lives in the library, where it is tested.
#include <iostream>
#include <string>
#include <vector>

#include "pack/cli.h"

#ifdef _WIN32
#include <windows.h>

#include "pack/medium_files.h"

// Wide arguments, so file names with umlauts arrive whatever the code page;
// the console shows the UTF-8 output as such.
int wmain(int argc, wchar_t** argv) {
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(startart::pack::Utf8FromPath(argv[i]));
    }
    return startart::pack::RunPackTool(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
    return startart::pack::RunPackTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
#endif
