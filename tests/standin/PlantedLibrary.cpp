#include "PlantedLibrary.h"

#include <windows.h>

// The registry is reached from DllMain only because this DLL exists to be caught being loaded;
// advapi32 is loaded before it (it imports it).
BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    wchar_t program[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kPlantedLoadsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) == ERROR_SUCCESS)
    {
        const DWORD loaded = 1;
        RegSetValueExW(key, program, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&loaded),
                       sizeof loaded);
        RegCloseKey(key);
    }
    return TRUE;
}
