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
    // While pending: the time it says it needs, and whether each query sees its checkpoint move
    // on, as a busy spooler's does.
    DWORD waitHintMs = 0;
    bool reportsProgress = false;
};

// The behaviours the tests ask for by name.
constexpr Behaviour kQueryFails{0, 0, true};
constexpr Behaviour kStopRefused{0, 0, false, true};
constexpr Behaviour kStartRefused{0, 0, false, false, true};
constexpr Behaviour kStopNeverEnds{-1, 0};
constexpr Behaviour kStartNeverEnds{0, -1};
constexpr Behaviour kNeverEnds{-1, -1};

void Reset();
// Adds the service, or replaces it with these (also under handles open on it). It depends on the
// services named: they do not stop while it runs, and it does not start unless they run.
void AddService(const std::wstring& name, DWORD state, Behaviour behaviour = {},
                std::vector<std::wstring> dependsOn = {});
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
// The access asked for by each open since the last Reset: the service's name, "" for the service
// manager.
std::vector<std::pair<std::wstring, DWORD>> AccessesAsked();
} // namespace host::services
