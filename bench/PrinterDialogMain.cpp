// A reference for the start-up benchmark: the bare dialog after the same printer access as the
// setting tool's start (open the queue named by the second argument, read the two settings,
// close it), so that the printer access and the rest of the tool can be told apart.
#include "BareDialog.h"

#include <winspool.h>

#include <cstdlib>
#include <initializer_list>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (__argc != 3)
        return 2;
    char datatype[] = "Raw";
    PRINTER_DEFAULTSA defaults = {datatype, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (!OpenPrinterA(__argv[2], &printer, &defaults))
        return 3;
    for (const char* name : {"BackgroundStatusInterval", "QuenloTimeout"})
    {
        BYTE value[sizeof(DWORD)];
        DWORD needed = 0;
        GetPrinterDataExA(printer, "\\", name, nullptr, value, sizeof value, &needed);
    }
    ClosePrinter(printer);
    return ShowBareDialog(instance);
}
