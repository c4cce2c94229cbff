// Gemlink throws no exceptions. Should the runtime ever end the program over
// one, it ends it plainly: the default handler would print the exception's
// type, which a windowed program cannot show, and costs the C++ demangler.
//
// For the same reason the two exceptions the standard library can raise in
// Gemlink (memory exhausted, a string too long) end it at once, as the
// exceptions would have, uncaught. The library's own versions build
// exception objects out of a second string implementation, about 90 KiB of
// the file. Were another such function ever needed, the library's versions
// would come back and clash with these at link time.
#include <bits/functexcept.h>

#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
}  // namespace std
