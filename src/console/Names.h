#pragma once

#include "printer/SpoolerNames.h"

#include <optional>
#include <string>

// The names a command line gives besides queue names: print servers and patterns.

// A print server given as "printhost" or "\\printhost", as "\\printhost"; nothing for an empty
// name or one with another backslash or a comma.
std::optional<std::wstring> ServerName(const std::wstring& text);

// Whether -like would accept the pattern: every "[" is closed by a "]", and no range in a set
// runs backwards ("[z-a]").
bool IsPattern(const std::wstring& pattern);

// Whether the whole name matches a pattern that IsPattern accepts, as PowerShell's -like does,
// ignoring the case of ASCII letters (in ranges too): "*" stands for any run of characters, "?"
// for one character (a surrogate pair is one), "[abc]" for one of those, "[a-z]" for one in that
// range, and "`" makes the character after it stand for itself, as does anything else. A "]"
// right after "[" is one of the set, and a "-" first or last in a set stands for itself.
bool MatchesPattern(const std::wstring& name, const std::wstring& pattern);
