#include "MemoryConsole.h"

#include <host_text.h>

void MemoryConsole::Write(ConsoleStream stream, const std::wstring& text)
{
    (stream == ConsoleStream::kError ? m_errors : m_output) += text;
}

std::string MemoryConsole::OutputText() const
{
    return host::text::ToAnsi(m_output);
}

std::string MemoryConsole::ErrorText() const
{
    return host::text::ToAnsi(m_errors);
}

void MemoryConsole::Clear()
{
    m_output.clear();
    m_errors.clear();
}
