#pragma once

#include <windows.h>

// One Windows service opened by name with full access. Owns the service handle.
class CService
{
  public:
    static constexpr int kMaxPolls = 100;
    static constexpr DWORD kPollIntervalMs = 100;

    // Opens the service on the given machine (null: this one); throws CServiceException when the
    // service manager or the service cannot be opened. No handle stays open after a throw.
    explicit CService(const char* name, const char* machine = nullptr);
    ~CService();
    CService(const CService&) = delete;
    CService& operator=(const CService&) = delete;

    // Stops a running service; a service in any other state is left alone. With wait, polls
    // until it is stopped, at most kMaxPolls times. TRUE when the service was seen stopped
    // (without wait: when it was stopped already or the stop was accepted).
    BOOL Stop(BOOL wait);
    // Starts a stopped service, the same way round: TRUE when it was seen running.
    BOOL Start(BOOL wait);

  private:
    BOOL QueryState(DWORD& state) const;
    BOOL WaitFor(DWORD targetState) const;

    SC_HANDLE m_hManager;
    SC_HANDLE m_hService;
};
