#include "pack/disc_names.h"

#include <algorithm>
#include <system_error>

#include "pack/medium_files.h"
#include "pack/utf16.h"

namespace startart::pack {
namespace {

// The backslash too: a Linux name can hold one, and on Windows it would
// split the name in two.
constexpr std::string_view kForbidden = "*?:\"<>|\\";

// As the settings name files: below the medium, with backslashes.
std::string MediumName(const std::filesystem::path& relative) {
    std::string name;
    for (const std::filesystem::path& part : relative) {
        if (!name.empty()) {
            name += '\\';
        }
        name += Utf8FromPath(part);
    }
    return name;
}

}  // namespace

std::vector<std::string> DiscNameProblems(const std::filesystem::path& medium) {
    std::vector<std::filesystem::path> entries;
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator entry(medium, error), end; !error && entry != end;
         entry.increment(error)) {
        entries.push_back(entry->path().lexically_relative(medium));
    }
    std::sort(entries.begin(), entries.end());
    std::vector<std::string> problems;
    for (const std::filesystem::path& entry : entries) {
        const std::string name = Utf8FromPath(entry.filename());
        const std::string where = "Name '" + MediumName(entry) + "'";
        if (const std::size_t length = Utf16Length(name); length > kMaxDiscNameLength) {
            problems.push_back(where + " hat " + std::to_string(length) + " Zeichen; eine CD oder DVD (Joliet) fasst " +
                               "höchstens 64");
        }
        if (const std::size_t bad = name.find_first_of(kForbidden); bad != std::string::npos) {
            problems.push_back(where + " enthält '" + name[bad] +
                               "'; eine CD oder DVD (Joliet) und Windows erlauben * ? : \" < > | und \\ nicht in "
                               "Namen");
        }
    }
    return problems;
}

}  // namespace startart::pack
