// Linux stand-in for the part of <winspool.h> that the tool uses: the queues, their printer
// data and their documents' states.
#pragma once

#include <windows.h>

#define PRINTER_ACCESS_ADMINISTER 0x00000004
#define PRINTER_ACCESS_USE 0x00000008
#define PRINTER_ALL_ACCESS (0x000F0000 | PRINTER_ACCESS_ADMINISTER | PRINTER_ACCESS_USE)

typedef struct _PRINTER_DEFAULTSW
{
    LPWSTR pDatatype;
    void* pDevMode;
    DWORD DesiredAccess;
} PRINTER_DEFAULTSW, *LPPRINTER_DEFAULTSW;

#define PRINTER_ENUM_LOCAL 0x00000002
#define PRINTER_ENUM_CONNECTIONS 0x00000004
#define PRINTER_ENUM_NAME 0x00000008

// Only the members the programs read; on Windows the records hold more.
typedef struct _PRINTER_INFO_2W
{
    LPWSTR pPrinterName;
    LPWSTR pDriverName;
    DWORD cJobs;
} PRINTER_INFO_2W;

typedef struct _DRIVER_INFO_3W
{
    LPWSTR pName;
    LPWSTR pMonitorName;
} DRIVER_INFO_3W;

#define JOB_STATUS_SPOOLING 0x00000008
#define JOB_STATUS_PRINTING 0x00000010

typedef struct _JOB_INFO_1W
{
    DWORD Status;
} JOB_INFO_1W;

// Level 2 only; the texts follow the records in the caller's buffer.
BOOL WINAPI EnumPrintersW(DWORD flags, LPWSTR name, DWORD level, LPBYTE buffer, DWORD size,
                          LPDWORD needed, LPDWORD returned);
BOOL WINAPI GetPrinterW(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed);
// Level 3 only.
BOOL WINAPI EnumPrinterDriversW(LPWSTR name, LPWSTR environment, DWORD level, LPBYTE buffer,
                                DWORD size, LPDWORD needed, LPDWORD returned);
// Level 1 only: a queue's documents from the first one asked for, at most count of them.
BOOL WINAPI EnumJobsW(HANDLE printer, DWORD first, DWORD count, DWORD level, LPBYTE buffer,
                      DWORD size, LPDWORD needed, LPDWORD returned);
BOOL WINAPI OpenPrinterW(LPWSTR printerName, HANDLE* printer, LPPRINTER_DEFAULTSW defaults);
BOOL WINAPI ClosePrinter(HANDLE printer);
DWORD WINAPI GetPrinterDataExW(HANDLE printer, LPCWSTR keyName, LPCWSTR valueName, LPDWORD type,
                               LPBYTE data, DWORD size, LPDWORD needed);
DWORD WINAPI SetPrinterDataExW(HANDLE printer, LPCWSTR keyName, LPCWSTR valueName, DWORD type,
                               LPBYTE data, DWORD size);
DWORD WINAPI DeletePrinterDataExW(HANDLE printer, LPCWSTR keyName, LPCWSTR valueName);
