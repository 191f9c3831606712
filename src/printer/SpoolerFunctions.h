#pragma once

#include <windows.h>
#include <winspool.h>

// The print spooler's functions that the programs call, looked up in winspool.drv of the system
// folder. The programs do not import winspool.drv: Windows would look for it in the program's own
// folder first (it is not one of the KnownDLLs), where anyone may have put a DLL of that name.
struct SpoolerFunctions
{
    // Why winspool.drv or one of its functions could not be found; then every function is null.
    DWORD error = ERROR_SUCCESS;
    decltype(&::OpenPrinterW) OpenPrinterW = nullptr;
    decltype(&::ClosePrinter) ClosePrinter = nullptr;
    decltype(&::GetPrinterDataExW) GetPrinterDataExW = nullptr;
    decltype(&::SetPrinterDataExW) SetPrinterDataExW = nullptr;
    decltype(&::DeletePrinterDataExW) DeletePrinterDataExW = nullptr;
    decltype(&::EnumPrintersW) EnumPrintersW = nullptr;
    decltype(&::GetPrinterW) GetPrinterW = nullptr;
    decltype(&::EnumPrinterDriversW) EnumPrinterDriversW = nullptr;
    decltype(&::EnumJobsW) EnumJobsW = nullptr;
};

// Loads winspool.drv from the system folder and finds every function above.
SpoolerFunctions LoadSpoolerFunctions();

// The functions, loaded on first use and kept for the life of the process. A caller checks
// error before it calls any of them: a queue cannot be opened without them.
const SpoolerFunctions& Spooler();
