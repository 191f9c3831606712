#pragma once

#include "handles/UniqueHandle.h"

#include <windows.h>

// A kernel object (a process, a token), closed with CloseHandle.
using UniqueKernelHandle = UniqueHandle<HANDLE, &CloseHandle>;
