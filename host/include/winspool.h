// Linux stand-in for the part of <winspool.h> that the tool uses: printer data of a queue.
#pragma once

#include <windows.h>

#define PRINTER_ACCESS_ADMINISTER 0x00000004
#define PRINTER_ACCESS_USE 0x00000008
#define PRINTER_ALL_ACCESS                                                                         \
    (STANDARD_RIGHTS_REQUIRED | PRINTER_ACCESS_ADMINISTER | PRINTER_ACCESS_USE)

typedef struct _PRINTER_DEFAULTSA
{
    LPSTR pDatatype;
    void* pDevMode;
    DWORD DesiredAccess;
} PRINTER_DEFAULTSA, *LPPRINTER_DEFAULTSA;

BOOL WINAPI OpenPrinterA(LPSTR printerName, HANDLE* printer, LPPRINTER_DEFAULTSA defaults);
BOOL WINAPI ClosePrinter(HANDLE printer);
DWORD WINAPI GetPrinterDataExA(HANDLE printer, LPCSTR keyName, LPCSTR valueName, LPDWORD type,
                               LPBYTE data, DWORD size, LPDWORD needed);
DWORD WINAPI SetPrinterDataExA(HANDLE printer, LPCSTR keyName, LPCSTR valueName, DWORD type,
                               LPBYTE data, DWORD size);
