// Gemlink throws no exceptions. Should the runtime ever end the program over
// one, it ends it plainly: the default handler would print the exception's
// type, which a windowed program cannot show, and costs the C++ demangler
// (about a fifth of Gemlink.exe).
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
