#pragma once

#include <windows.h>

// The text label of box's dialog that a user reads the box by (RowLabel over the dialog's
// visible text controls, as they lie on the screen), or null when there is none.
HWND RowLabelWindow(HWND box);
