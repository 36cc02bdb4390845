// Reading st.art at start-up. The menu only reads: the file is opened for
// reading and never created. A file that cannot be read ends the program with
// a message before any window is shown.
#pragma once

#include <string>

#include "config/settings.h"

namespace startart {

class Platform;

// "Ein Fehler ist beim Lesen der Datei 'st.art' aufgetreten!" CRLF "Entweder ..."
std::string SettingsFailureMessage();

// The settings with pfad set to the program directory. On failure it shows
// the message and ends the program; it does not return.
SettingsFile ReadSettingsFile(Platform& platform);

}  // namespace startart
