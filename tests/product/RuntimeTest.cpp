// Exceptions in the shipped programs' configuration: built like them (win32 thread model, the
// small replacements of libstdc++'s terminate handler and throw helpers, implicit templates,
// link-time optimisation) and run under Wine. Prints one line per check; exit status 0 when all
// hold. With the argument "uncaught" it throws without a handler instead, for the check that
// such a program ends through abort.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <exception>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace
{
// Like the programs' own exception classes: empty, thrown by value.
class CEmptyException
{
};

int g_failures = 0;

void Check(bool holds, const char* what)
{
    std::printf("%s: %s\n", holds ? "ok" : "FAILED", what);
    if (!holds)
        ++g_failures;
}

// Runs body, which must throw E; true when it did and nothing else escaped.
template <typename E, typename Body> bool Throws(Body body)
{
    try
    {
        body();
    }
    catch (const E&)
    {
        return true;
    }
    catch (...)
    {
    }
    return false;
}

// The exit status of this program started with the given argument.
DWORD RunSelf(const wchar_t* argument)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(path) + L"\" " + argument;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(path, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return static_cast<DWORD>(-1);
    WaitForSingleObject(process.hProcess, 30000);
    DWORD status = static_cast<DWORD>(-1);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "uncaught")
        throw CEmptyException();

    Check(Throws<CEmptyException>([] { throw CEmptyException(); }),
          "an empty class thrown by value is caught by its type");

    std::string text = "abc";
    Check(Throws<std::exception>([&] { text.resize(text.max_size() + 1); }),
          "a string grown past its maximum throws a std::exception (length helper)");
    Check(Throws<std::exception>([&] { (void)text.substr(4); }),
          "a string position past the end throws a std::exception (range helper)");
    Check(Throws<std::exception>([] { std::vector<int>(SIZE_MAX / 2); }),
          "a vector longer than its maximum throws a std::exception");
    Check(Throws<std::bad_alloc>([] { (void)std::allocator<int>().allocate(SIZE_MAX / 2); }),
          "an allocation of too many elements throws std::bad_alloc");
    Check(Throws<std::bad_alloc>([] {
              volatile size_t size = SIZE_MAX - 15; // more than a 32-bit process can hold
              ::operator delete(::operator new(size));
          }),
          "memory running out throws std::bad_alloc");

    try
    {
        (void)text.substr(4);
        Check(false, "the range helper's exception has a message");
    }
    catch (const std::exception& error)
    {
        Check(error.what() != nullptr && error.what()[0] != '\0',
              "the range helper's exception has a message");
    }

    // The dialog keeps an exception across the window manager's frames and throws it again.
    std::exception_ptr kept;
    try
    {
        throw CEmptyException();
    }
    catch (...)
    {
        kept = std::current_exception();
    }
    Check(Throws<CEmptyException>([&] { std::rethrow_exception(kept); }),
          "an exception kept in an exception_ptr is thrown again with its type");
    Check(Throws<CEmptyException>([] {
              try
              {
                  throw CEmptyException();
              }
              catch (...)
              {
                  throw;
              }
          }),
          "an exception thrown again from its handler keeps its type");

    // msvcrt's abort ends the process with status 3.
    Check(RunSelf(L"uncaught") == 3, "an exception without a handler ends the program by abort");

    std::printf("%d failed\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
