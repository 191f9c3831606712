// The settings dialog template shown with a procedure that does nothing but close it.
#pragma once

#include <windows.h>

int ShowBareDialog(HINSTANCE instance);
