// What a screen reader reads another process's control by: its accessible name, asked through
// oleacc as screen readers ask it.
#pragma once

#include <windows.h>

#include <string>

namespace e2e
{
// The name of the control's client object (AccessibleObjectFromWindow, then get_accName for
// CHILDID_SELF), as UTF-8; "" when it has none, and a text in angle brackets when oleacc fails.
std::string AccessibleName(HWND control);
} // namespace e2e
