// The standard library's last-resort paths, as the programs need them, defined here so that the
// library's own are left out of the programs together with what they would bring along (some
// 130 KB of the 32-bit Korvale.exe, half its size). Linked into every Windows program of the
// project, the tests included, so that they run what users get; only with GCC's library
// (libstdc++), whose internals these are:
// - the terminate handler: the library's writes the escaping exception's demangled type to a
//   console that a window program does not have, and brings the C++ demangler; this one ends the
//   process at once (no exception should ever get so far: every window procedure, callback and
//   entry point catches them);
// - the functions that the library's containers and strings call to throw: the library's build
//   std::length_error and its kin, whose message lives in the old reference-counted string, and
//   so bring that whole string. Here a length that no container can hold is what it amounts to,
//   a failed allocation (std::bad_alloc), and the other logic errors are the program's TError.
// The linker takes these definitions instead of the library's only as long as every function of
// the library's object that holds them (functexcept) is defined here: should one be missing and
// called, that object comes back and the link fails with duplicate definitions, naming it. Those
// no program calls cost nothing: the linker drops them.
#include <cstdlib>
#include <exception>
#include <new>
#include <typeinfo>

#if defined(__GLIBCXX__)

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

// The logic and runtime errors: the program's own error with the library's message.
void __throw_logic_error(const char* Message)
{
    throw TError(Message);
}

void __throw_domain_error(const char* Message)
{
    throw TError(Message);
}

void __throw_invalid_argument(const char* Message)
{
    throw TError(Message);
}

void __throw_out_of_range(const char* Message)
{
    throw TError(Message);
}

void __throw_out_of_range_fmt(const char* Pattern, ...)
{
    // The pattern alone: it names what was out of range.
    throw TError(Pattern);
}

void __throw_runtime_error(const char* Message)
{
    throw TError(Message);
}

void __throw_range_error(const char* Message)
{
    throw TError(Message);
}

void __throw_overflow_error(const char* Message)
{
    throw TError(Message);
}

void __throw_underflow_error(const char* Message)
{
    throw TError(Message);
}

void __throw_bad_cast()
{
    throw bad_cast();
}

void __throw_bad_typeid()
{
    throw bad_typeid();
}

void __throw_bad_exception()
{
    throw bad_exception();
}

void __throw_bad_array_new_length()
{
    throw bad_array_new_length();
}

} // namespace std

#endif // __GLIBCXX__
