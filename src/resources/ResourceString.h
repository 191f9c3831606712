#pragma once

#include <string>
#include <vector>
#include <windows.h>

// A string resource of this program in the user's language, as UTF-16, read when it is needed
// (never cached, so a message is always the one the resource loader picks now); "" when there is
// none. Never through the ANSI code page: a Japanese message stays whole on a system whose code
// page is not Japanese.
std::wstring LoadResourceString(UINT id);

// The pattern with %1 to %9 replaced by the arguments, in one pass: an argument's own "%2" is
// not replaced again. A % not followed by the number of a given argument stays as it is.
std::wstring Substitute(const std::wstring& pattern, const std::vector<std::wstring>& arguments);

// A string resource in the user's language with its arguments put in.
std::wstring Message(UINT id, const std::vector<std::wstring>& arguments = {});

// The names one after another, in the user's language ("Fax, LPDSVC").
std::wstring NameList(const std::vector<std::wstring>& names);

// ASCII text (numbers, JSON) as UTF-16.
std::wstring Widened(const std::string& ascii);

// A whole number as a message argument. Not std::to_wstring: that formats through swprintf,
// which would link mingw's whole printf into the program; std::to_string does not.
template <typename Number> std::wstring NumberArgument(Number value)
{
    return Widened(std::to_string(value));
}
