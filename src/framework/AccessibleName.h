#pragma once

#include <windows.h>

// Screen readers read the control by the label's text from now on (its accessible name, asked
// through WM_GETOBJECT), in place of the name the system would give it, until the control is
// destroyed. Nothing else about the control changes. Where the system's accessibility library
// cannot be loaded, the control answers as it did before.
void NameAfterLabel(HWND control, HWND label);
