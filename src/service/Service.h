#pragma once

#include "service/ServiceHandle.h"

#include <optional>
#include <string>
#include <vector>
#include <windows.h>

// One Windows service opened by name with full access. Owns the service handle; the service
// manager is open only while the constructor runs.
class CService
{
  public:
    static constexpr int kMaxPolls = 100;
    static constexpr DWORD kPollIntervalMs = 100;

    // Opens the service on the given machine (null: this one); throws CServiceException when the
    // service manager or the service cannot be opened. No handle stays open after a throw.
    explicit CService(const wchar_t* name, const wchar_t* machine = nullptr);

    const std::wstring& Name() const { return m_name; }

    // Stops a running service; a service in any other state is left alone. With wait, polls
    // until it is stopped, at most kMaxPolls times. True when the service was seen stopped
    // (without wait: when it was stopped already or the stop was accepted).
    bool Stop(BOOL wait);
    // Starts a stopped service, the same way round: true when it was seen running.
    bool Start(BOOL wait);

    // The service's state now (SERVICE_RUNNING, ...), asked once; nullopt when the query fails.
    std::optional<DWORD> QueryState() const;

    // The services that depend on this one, directly or not, and are not stopped, in the order
    // in which they must be stopped; none when the service manager cannot list them.
    std::vector<std::wstring> ActiveDependents() const;

  private:
    bool WaitFor(DWORD targetState) const;

    std::wstring m_name;
    CServiceHandle m_service;
};
