// The strings inside the standard exceptions, made in this program. The GNU
// C++ runtime keeps the message of std::logic_error and its kin in its old,
// reference-counted std::string, and every program that can throw one (each
// that grows a vector or a string) links that string from the runtime's
// archive member that holds it whole, together with the random device and
// the whole of today's std::string that the same member drags in: some 60 KB
// of the menu, of which the exceptions use seven functions. Instantiated
// here, from the same headers, they are all the linker needs; the two that
// the exceptions need of today's string are in exception_strings_cxx11.cpp.
// Needs: the GNU C++ runtime; the linker takes these before its archive.
#define _GLIBCXX_USE_CXX11_ABI 0
#include <string>

using ExceptionString = std::basic_string<char>;
using Allocator = std::allocator<char>;
using Size = ExceptionString::size_type;

template char* ExceptionString::_S_construct(Size, char, const Allocator&);
template void ExceptionString::_Rep::_M_dispose(const Allocator&);
template void ExceptionString::_Rep::_M_destroy(const Allocator&);
template char* ExceptionString::_Rep::_M_clone(const Allocator&, Size);
template ExceptionString::_Rep* ExceptionString::_Rep::_S_create(Size, Size, const Allocator&);
template void ExceptionString::swap(ExceptionString&);
template ExceptionString& ExceptionString::assign(const ExceptionString&);
