// The design-time make-up of the program's three windows. Each load of a
// window starts from these values; the windows' Load code changes some of
// them at run time.
#pragma once

#include "toolkit/definition.h"

namespace startart {

// The main menu window: the title picture, fifteen buttons (a frame holding a
// face each) and the highlight timer.
const FormDefinition& Form1Definition();
// The information window.
const FormDefinition& Form2Definition();
// The reader installation notice.
const FormDefinition& Form3Definition();

}  // namespace startart
