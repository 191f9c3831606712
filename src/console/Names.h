#pragma once

#include "printer/SpoolerNames.h"

#include <optional>
#include <string>

// The names a command line gives besides queue names: print servers and patterns.

// A print server given as "printhost" or "\\printhost", as "\\printhost"; nothing for an empty
// name or one with another backslash or a comma.
std::optional<std::wstring> ServerName(const std::wstring& text);

// Whether the whole name matches the pattern as PowerShell's -like does, ignoring the case of
// ASCII letters: "*" stands for any run of characters, "?" for one character (a surrogate pair
// is one), anything else for itself.
bool MatchesPattern(const std::wstring& name, const std::wstring& pattern);
