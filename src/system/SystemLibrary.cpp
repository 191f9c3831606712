#include "system/SystemLibrary.h"

#include <string>

void RestrictDllSearchToSystemFolder()
{
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto restrict = FindFunction<SetDefaultDllDirectoriesFunction>(
        GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (restrict != nullptr)
        restrict(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE LoadSystemLibrary(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
    {
        if (length != 0)
            SetLastError(ERROR_BUFFER_OVERFLOW);
        return nullptr;
    }
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    // A full path loads that file alone; the altered search looks for the DLLs it needs in its
    // own folder first, where the process's search is not restricted.
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
