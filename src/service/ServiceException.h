#pragma once

#include <windows.h>

// Thrown by value when the service manager or a service cannot be opened with the access asked
// for; error is why (ERROR_ACCESS_DENIED, RPC_S_SERVER_UNAVAILABLE, ...).
class CServiceException
{
  public:
    explicit CServiceException(DWORD error) : error(error) {}
    DWORD error;
};
