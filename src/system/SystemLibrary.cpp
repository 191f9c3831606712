#include "system/SystemLibrary.h"

#include <string>

HMODULE LoadSystemLibrary(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0)
        return nullptr;
    if (length >= MAX_PATH)
    {
        SetLastError(ERROR_BUFFER_OVERFLOW);
        return nullptr;
    }
    const std::wstring path = std::wstring(folder, length) + L'\\' + name;
    return LoadLibraryExW(path.c_str(), nullptr, 0);
}
