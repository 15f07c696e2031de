// The standard library's last-resort paths, as the two programs need them, defined here so that
// the library's own are left out of the programs together with what they would bring along
// (some 130 KB of the 32-bit Korvale.exe, half its size):
// - the terminate handler: the library's writes the escaping exception's demangled type to a
//   console that a window program does not have, and brings the C++ demangler; this one ends the
//   process at once (no exception should ever get so far: every window procedure, callback and
//   entry point catches them);
// - the functions that the library's containers and strings call to throw: the library's build
//   std::length_error and its kin, whose message lives in the old reference-counted string, and
//   so bring that whole string. Here a length that no container can hold is what it amounts to,
//   a failed allocation (std::bad_alloc), and the other logic errors are the program's TError.
// The linker takes these definitions instead of the library's only as long as every one of these
// functions that the programs call is defined here: should a new one be called, the library's
// object comes back and the link fails with duplicate definitions, naming it.
#include <cstdlib>
#include <new>

#include "platform/Error.h"

namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
} // namespace __gnu_cxx

namespace std {

void __throw_bad_alloc()
{
    throw bad_alloc();
}

void __throw_length_error(const char*)
{
    throw bad_alloc();
}

void __throw_logic_error(const char* Message)
{
    throw TError(Message);
}

void __throw_out_of_range_fmt(const char* Pattern, ...)
{
    // The pattern alone: it names what was out of range.
    throw TError(Pattern);
}

void __throw_bad_array_new_length()
{
    throw bad_array_new_length();
}

} // namespace std
