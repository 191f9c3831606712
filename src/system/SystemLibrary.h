#pragma once

#include <windows.h>

// DLLs from the system folder only. A DLL that Windows does not map from its KnownDLLs list is
// looked for in the program's own folder first and in the current folder later, so a copy
// planted there would run with the rights of whoever starts the program, an elevated
// administrator among them.

// Restricts every later DLL search of this process, including those made on its behalf (the
// shell, COM), to the system folder. The programs call it before anything else. Does nothing
// where Windows lacks SetDefaultDllDirectories (Windows 7 without its update); LoadSystemLibrary
// holds there too.
void RestrictDllSearchToSystemFolder();

// The system folder's DLL of that name (e.g. L"winspool.drv"), loaded by its full path, with the
// DLLs it needs looked for from the system folder as well. It stays loaded for the life of the
// process. Null, with the last error set, when it cannot be loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);

// The module's function of that name as the function type it has; null when it has none.
template <typename Function> Function FindFunction(HMODULE module, const char* name)
{
    // A function pointer converts to and from void (*)() without a cast-function-type warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
