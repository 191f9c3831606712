// What tests can arrange and observe of the in-memory service control manager.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace host::services
{
struct Behaviour
{
    // Queries that still show the pending state after a stop or start was accepted before the
    // target state shows; -1: it never gets there.
    int pendingQueriesAfterStop = 0;
    int pendingQueriesAfterStart = 0;
    bool queryFails = false;
    bool controlFails = false;
    bool startFails = false;
};

void Reset();
void AddService(const std::wstring& name, DWORD state, Behaviour behaviour = {});
DWORD State(const std::wstring& name);
// A new process id after each start, as the spooler gets.
DWORD ProcessId(const std::wstring& name);
// OpenSCManagerW fails (no rights); OpenServiceW fails for every service.
void DenyManager();
void DenyServices();
// Machines besides this one whose service managers OpenSCManagerW can open; each holds the
// same services as this one.
void AddMachine(const std::wstring& machine);
int OpenHandles();
} // namespace host::services
