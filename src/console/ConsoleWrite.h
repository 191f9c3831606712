#pragma once

#include <string>

enum class ConsoleStream
{
    kOutput,
    kError,
};

// Writes the program's text (ANSI code page, lines ending in "\n") to standard output or standard
// error so that it reads right there: as characters to a console window, in the console's code
// page with "\r\n" line ends to a file or pipe.
void WriteToConsole(ConsoleStream stream, const std::string& text);
