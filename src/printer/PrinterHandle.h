#pragma once

#include "handles/UniqueHandle.h"

#include <windows.h>
#include <winspool.h>

// An open printer queue (OpenPrinterW), closed with ClosePrinter.
using CPrinterHandle = CUniqueHandle<HANDLE, &ClosePrinter>;
