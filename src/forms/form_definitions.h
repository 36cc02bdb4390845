// The design-time make-up of the program's three windows. Each load of a
// window starts from these values; the windows' Load code changes some of
// them at run time.
#pragma once

#include "toolkit/definition.h"

namespace startart {

// The main menu window: the title picture, fifteen buttons (a frame holding a
// face each) and the highlight timer.
const FormDefinition& MainWindowDefinition();
// The information window.
const FormDefinition& InformationWindowDefinition();
// The reader installation notice.
const FormDefinition& ReaderNoticeDefinition();

}  // namespace startart
