#pragma once

#include <string>
#include <windows.h>

// A string resource of this program in the user's language, read when it is needed (never
// cached, so a message is always the one the resource loader picks now); "" when there is none.
// LoadResourceString gives it in the ANSI code page, LoadResourceStringW as UTF-16.
std::string LoadResourceString(UINT id);
std::wstring LoadResourceStringW(UINT id);
