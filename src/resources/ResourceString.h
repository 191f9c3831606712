#pragma once

#include <string>
#include <windows.h>

// A string resource of this program in the user's language, as UTF-16, read when it is needed
// (never cached, so a message is always the one the resource loader picks now); "" when there is
// none. Never through the ANSI code page: a Japanese message stays whole on a system whose code
// page is not Japanese.
std::wstring LoadResourceString(UINT id);
