// The console program's output stand-in: kept in memory for tests to read.
#include "console/ConsoleWrite.h"
#include "host_console.h"

namespace
{
std::string g_output;
std::string g_errors;
} // namespace

void host::console::Reset()
{
    g_output.clear();
    g_errors.clear();
}

const std::string& host::console::Output()
{
    return g_output;
}

const std::string& host::console::Errors()
{
    return g_errors;
}

void WriteToConsole(ConsoleStream stream, const std::string& text)
{
    (stream == ConsoleStream::kError ? g_errors : g_output) += text;
}
