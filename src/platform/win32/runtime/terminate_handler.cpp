// What std::terminate does in startart.exe: end the program, as std::abort
// ends it. The standard library's own handler writes the type of the
// exception to the standard error, which a program without a console does not
// have, and brings in a demangler and a printf with it: some 75 KB of the
// program. A terminate is a fault of the program in any case; the
// event barrier reports every error the program can meet.
// Needs: the GNU C++ runtime, whose default handler this replaces.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
