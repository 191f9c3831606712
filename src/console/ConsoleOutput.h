#pragma once

#include <string>

enum class ConsoleStream
{
    kOutput,
    kError,
};

// Where the program's text goes: results to standard output, problems to standard error. Text is
// UTF-16 in whole lines ending in "\n"; the implementation makes it read right wherever the
// stream leads.
class CConsoleOutput
{
  public:
    virtual ~CConsoleOutput() = default;
    virtual void Write(ConsoleStream stream, const std::wstring& text) = 0;
};
