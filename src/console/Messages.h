#pragma once

#include "resources/ResourceString.h"

#include <windows.h>

#include <string>
#include <vector>

// ASCII text (numbers, JSON) as UTF-16.
std::wstring Widened(const std::string& ascii);

// A whole number as a message argument. Not std::to_wstring: that formats through swprintf,
// which would link mingw's whole printf into the program; std::to_string does not.
template <typename Number> std::wstring NumberArgument(Number value)
{
    return Widened(std::to_string(value));
}

// An error code as a message argument: the number, and beside it the system's text for it in the
// user's language, without its final full stop, where the system has one: "5: Access is denied".
std::wstring ErrorArgument(DWORD error);
