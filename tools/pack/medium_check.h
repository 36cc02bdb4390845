// Checks a medium folder as the menu will see it on the screen that the
// menu's core assumes: the menu and its settings are there, the pictures
// and their high-resolution partners load, each partner at the size it must
// have, and the button picture holds the chosen design, every visible
// button's target and the reader's installer are there, the window fits,
// every name fits a disc, and autorun.inf starts the menu. It warns where
// the window would not fit the commonest laptop display, and names what
// Windows may hold back: programs the menu starts that carry no
// signature, and an autorun.inf that is hidden like malware's.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace startart::pack {

struct MediumFindings {
    // What makes the menu fail, a button not work, or a picture made for the
    // menu go unused.
    std::vector<std::string> problems;
    // What works, but probably not as the publisher meant.
    std::vector<std::string> warnings;
};

// One German sentence per finding, in the order the menu would meet them.
MediumFindings CheckMedium(const std::filesystem::path& medium);

}  // namespace startart::pack
