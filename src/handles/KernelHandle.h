#pragma once

#include "handles/UniqueHandle.h"

#include <windows.h>

// A kernel object (a process, a token), closed with CloseHandle. Null is "no handle": a call that
// fails with INVALID_HANDLE_VALUE (CreateFile) must not put its result here unchecked.
using CKernelHandle = CUniqueHandle<HANDLE, &CloseHandle>;
