// Small definitions of two libstdc++ hooks, the terminate handler and the throw helpers, linked
// into the shipped programs only. Each replaces an archive member of the static C++ runtime
// that would otherwise bring a large part of the library with it. They rely on how libstdc++ 12
// splits its archive: the size budget test notices when a compiler upgrade changes that, and
// tests/product/RuntimeTest.cpp that exceptions still work with them.
#include <cstdlib>
#include <exception>
#include <new>
#include <typeinfo>

namespace
{
// What the library's checks throw here instead of std::length_error, std::out_of_range and the
// other std::logic_error and std::runtime_error kinds. Those carry a reference-counted string,
// and with its code they cost about 50 KB. Nothing in these programs catches them by their kind:
// every handler takes any exception.
class CLibraryError : public std::exception
{
  public:
    explicit CLibraryError(const char* what) : m_what(what) {}
    const char* what() const noexcept override { return m_what; }

  private:
    const char* m_what; // always a string literal of the library's
};
} // namespace

namespace __gnu_cxx
{
// The default terminate handler names the uncaught exception's type, through the C++ demangler.
// A program that ends through std::terminate has a fault either way; ending it without the name
// keeps the demangler out of the program.
void __verbose_terminate_handler()
{
    std::abort();
}
} // namespace __gnu_cxx

// The helpers through which the library's inline code throws. The library defines them all in
// one member, so all of them are defined here: a single one left out would bring that member
// back, and the link would fail on the duplicates.
namespace std
{
void __throw_bad_exception()
{
    throw bad_exception();
}
void __throw_bad_alloc()
{
    throw bad_alloc();
}
void __throw_bad_array_new_length()
{
    throw bad_array_new_length();
}
void __throw_bad_cast()
{
    throw bad_cast();
}
void __throw_bad_typeid()
{
    throw bad_typeid();
}
// The format's arguments are left out of the message.
void __throw_out_of_range_fmt(const char* format, ...)
{
    throw CLibraryError(format);
}

// The kinds of std::logic_error and std::runtime_error, each with the library's message.
#define THROW_LIBRARY_ERROR(helper)                                                                \
    void helper(const char* what)                                                                  \
    {                                                                                              \
        throw CLibraryError(what);                                                                 \
    }
THROW_LIBRARY_ERROR(__throw_logic_error)
THROW_LIBRARY_ERROR(__throw_domain_error)
THROW_LIBRARY_ERROR(__throw_invalid_argument)
THROW_LIBRARY_ERROR(__throw_length_error)
THROW_LIBRARY_ERROR(__throw_out_of_range)
THROW_LIBRARY_ERROR(__throw_runtime_error)
THROW_LIBRARY_ERROR(__throw_range_error)
THROW_LIBRARY_ERROR(__throw_overflow_error)
THROW_LIBRARY_ERROR(__throw_underflow_error)
#undef THROW_LIBRARY_ERROR
} // namespace std
