#pragma once

#include <windows.h>

// Thrown by value when a printer queue cannot be opened with the access asked for. error is the
// spooler's reason (ERROR_ACCESS_DENIED when the queue exists but that access is refused), never
// ERROR_SUCCESS: ERROR_OPEN_FAILED when the spooler gave none.
class CPrinterInfoException
{
  public:
    explicit CPrinterInfoException(DWORD error) : error(error) {}

    DWORD error;
};
