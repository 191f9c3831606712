#pragma once

#include "console/ConsoleOutput.h"

// The process's standard output and standard error on Windows. To a console the text goes as
// characters (WriteConsoleW); to a file or pipe in the console's output code page with "\r\n"
// line ends, each character that the code page cannot hold exactly escaped (CodePageText.h).
class CStandardStreams : public CConsoleOutput
{
  public:
    void Write(ConsoleStream stream, const std::wstring& text) override;
};
