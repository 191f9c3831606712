#pragma once

#include <string>
#include <windows.h>

// A string resource of this program in the user's language, read when it is needed (never
// cached, so a message is always the one the resource loader picks now); "" when there is none.
std::string LoadResourceString(UINT id);
