// Gemlink throws no exceptions, and is compiled without them. Where the
// standard library would raise one in Gemlink (memory exhausted, a string too
// long), the program ends at once, as the exception would have ended it,
// uncaught: the default terminate handler would print the exception's type,
// which a windowed program cannot show.
//
// The library's own versions of these functions throw, and so bring in the
// whole exception runtime (why that is kept out: docs/design.md, "No
// exceptions, no thread-safe statics"). Were another
// such function ever needed, the library's version would come back and clash
// with these at link time, or fail the test of what Gemlink.exe imports.
#include <bits/functexcept.h>

#include <cstdlib>
#include <new>

namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
}  // namespace std

void* operator new(std::size_t size) {
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  std::abort();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
