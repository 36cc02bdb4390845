// The two members of today's std::string that the GNU C++ runtime needs to
// hand an exception's message over, made in this program for the reason
// exception_strings.cpp gives: else the linker takes the runtime's whole copy
// of std::string for them, which this program, built as C++20, makes for
// itself as far as it uses it.
// Needs: the GNU C++ runtime; the linker takes these before its archive.
#include <string>

template std::string::pointer std::string::_M_create(std::string::size_type&, std::string::size_type);
template void std::string::_M_assign(const std::string&);
