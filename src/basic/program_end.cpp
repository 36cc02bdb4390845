#include "basic/program_end.h"

namespace startart {

void EndProgram(ExitStatus status) {
    throw ProgramEnd{status};
}

}  // namespace startart
