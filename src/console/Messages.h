#pragma once

#include "resources/ResourceString.h"

#include <windows.h>

#include <string>
#include <vector>

// An error code as a message argument: the number, and beside it the system's text for it in the
// user's language, without its final full stop, where the system has one: "5: Access is denied".
std::wstring ErrorArgument(DWORD error);
