#pragma once

#include <windows.h>

// Loads a DLL that ships with Windows from the system folder, never by its bare name, so that a
// DLL of that name in the program's folder or the current folder is not picked instead. Returns
// null with the last error set on failure. The DLL stays loaded for the life of the process.
HMODULE LoadSystemLibrary(const wchar_t* name);
