#pragma once

#include "handles/UniqueHandle.h"
#include "printer/SpoolerFunctions.h"

// Closes a queue opened through the spooler's functions, which are there once one is open.
inline BOOL WINAPI ClosePrinterHandle(HANDLE printer)
{
    return Spooler().ClosePrinter(printer);
}

// An open printer queue (OpenPrinterW), closed with ClosePrinter.
using CPrinterHandle = CUniqueHandle<HANDLE, &ClosePrinterHandle>;
