#pragma once

#include "service/ServiceHandle.h"

#include <optional>
#include <string>
#include <vector>
#include <windows.h>

// One Windows service opened by name with the access asked for. Owns the service handle; the
// service manager is open only while the constructor runs, with SC_MANAGER_CONNECT alone, the one
// right Windows grants everyone on it.
class CService
{
  public:
    static constexpr DWORD kPollIntervalMs = 100;
    // A wait gives up on a service that has not moved on (a new state or checkpoint) for longer
    // than the time it said it needs (its wait hint), but never sooner than this...
    static constexpr ULONGLONG kLeastPatienceMs = 10000;
    // ...and on any service after this, however it moves on.
    static constexpr ULONGLONG kLongestWaitMs = 180000;

    // Opens the service on the given machine (null: this one); throws CServiceException when the
    // service manager or the service cannot be opened. No handle stays open after a throw.
    CService(const wchar_t* name, DWORD access, const wchar_t* machine = nullptr);

    const std::wstring& Name() const { return m_name; }

    // Stops a running service, or with wait lets one that is stopping finish; a service in any
    // other state is left alone. With wait, polls until it is stopped (see the constants). Returns
    // ERROR_SUCCESS when it was seen stopped (without wait: when it was stopped already or the
    // stop was accepted), ERROR_SERVICE_REQUEST_TIMEOUT when the wait gave up, or the error of
    // the call that failed.
    DWORD Stop(BOOL wait);
    // Starts a stopped service the same way round, waiting first (with wait) for one that is still
    // stopping, so that a stop that was slow is still followed by its start: ERROR_SUCCESS when it
    // was seen running.
    DWORD Start(BOOL wait);

    // The service's state now (SERVICE_RUNNING, ...), asked once; nullopt when the query fails.
    std::optional<DWORD> QueryState() const;

    // The services that depend on this one, directly or not, and are not stopped, in the order
    // in which they must be stopped; none when the service manager cannot list them.
    std::vector<std::wstring> ActiveDependents() const;

  private:
    DWORD WaitFor(DWORD targetState) const;

    std::wstring m_name;
    CServiceHandle m_service;
};
