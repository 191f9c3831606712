#pragma once

#include "handles/UniqueHandle.h"

#include <windows.h>

// An open service manager or service (OpenSCManagerW, OpenServiceW), closed with
// CloseServiceHandle.
using CServiceHandle = CUniqueHandle<SC_HANDLE, &CloseServiceHandle>;
