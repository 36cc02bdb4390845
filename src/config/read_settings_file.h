// Reading st.art at start-up. The menu only reads: the file is opened for
// reading and never created. A file that cannot be read ends the program with
// a message before any window is shown.
#pragma once

#include <string>

#include "config/settings.h"

namespace startart {

class Platform;

inline constexpr const char* kSettingsFileName = "st.art";

// "Ein Fehler ist beim Lesen der Datei 'st.art' aufgetreten!" CRLF "Entweder ..."
std::string SettingsFailureMessage();

// Fills the records and the button slots 0 to 14 (slot 15 stays empty) and
// sets pfad to the program directory. On failure it shows the message and
// ends the program; it does not return.
void ReadSettingsFile(Platform& platform,
                      MenuSettings& menu,
                      InfoSettings& info,
                      ReaderSetup& reader,
                      ButtonSlots& buttons);

}  // namespace startart
