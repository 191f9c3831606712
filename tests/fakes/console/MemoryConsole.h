// The console program's output kept in memory, for tests to read.
#pragma once

#include "console/ConsoleOutput.h"

#include <string>

class MemoryConsole : public CConsoleOutput
{
  public:
    void Write(ConsoleStream stream, const std::wstring& text) override;

    // Everything written to standard output so far, exactly as written.
    const std::wstring& Output() const { return m_output; }
    // Each stream's text in UTF-8, to compare with the tests' texts.
    std::string OutputText() const;
    std::string ErrorText() const;
    void Clear();

  private:
    std::wstring m_output;
    std::wstring m_errors;
};
