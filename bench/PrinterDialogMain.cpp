// A reference for the start-up benchmark: the bare dialog after the same printer access as the
// setting tool's start (open the queue named by the second argument, read the two settings,
// close it, wide as the tool does), so that the printer access and the rest of the tool can be
// told apart.
#include "BareDialog.h"

#include <winspool.h>

#include <cstdlib>
#include <initializer_list>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    if (__argc != 3)
        return 2;
    wchar_t datatype[] = L"Raw";
    PRINTER_DEFAULTSW defaults = {datatype, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (!OpenPrinterW(__wargv[2], &printer, &defaults))
        return 3;
    for (const wchar_t* name : {L"BackgroundStatusInterval", L"QuenloTimeout"})
    {
        BYTE value[sizeof(DWORD)];
        DWORD type = 0;
        DWORD needed = 0;
        GetPrinterDataExW(printer, L"\\", name, &type, value, sizeof value, &needed);
    }
    ClosePrinter(printer);
    return ShowBareDialog(instance);
}
