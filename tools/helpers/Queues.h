// Printer queues of a Wine prefix, added through Wine's own spooler with the PostScript driver
// that ships with every prefix, so that a queue needs nothing installed.
#pragma once

#include <windows.h>

#include <string>

namespace helpers
{
// Each returns ERROR_SUCCESS, or the spooler's error. A queue or driver already there is left
// as it is. Names are UTF-16, so a name in any script arrives as given.
DWORD AddPostScriptDriver();
DWORD AddQueue(const std::wstring& name);
// A driver of that name on the PostScript driver's files, naming the language monitor given (none
// when empty), and a queue on it.
DWORD AddDriver(const std::wstring& name, const std::wstring& monitor);
DWORD AddQueue(const std::wstring& name, const std::wstring& driver);
} // namespace helpers
