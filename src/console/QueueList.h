#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct QueueList
{
    std::vector<std::wstring> names;
    DWORD error = ERROR_SUCCESS; // why the spooler could not list them
};

// This computer's printer queues and its connections to queues on print servers, in the
// spooler's order.
QueueList ListQueues();
