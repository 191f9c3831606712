// What the program changes outside itself, read and restored directly: the printer data that the
// stand-in keeps under the queue's registry key, and Wine's "Spooler" service.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e
{
extern const char kIntervalValue[];
extern const char kTimeoutValue[];

bool QueueExists(const std::string& queue);
std::optional<DWORD> StoredValue(const std::string& queue, const char* name);
void SetStoredValue(const std::string& queue, const char* name, std::optional<DWORD> value);

// Both values of a queue as found; restored by the destructor.
class StoredValuesKeeper
{
  public:
    explicit StoredValuesKeeper(std::string queue);
    ~StoredValuesKeeper();
    StoredValuesKeeper(const StoredValuesKeeper&) = delete;
    StoredValuesKeeper& operator=(const StoredValuesKeeper&) = delete;

  private:
    std::string m_queue;
    std::optional<DWORD> m_interval;
    std::optional<DWORD> m_timeout;
};

// The spooler's process id while it runs, else 0.
DWORD SpoolerProcessId();
bool StartSpooler();

// Disables the spooler, so that it cannot be started; the destructor restores its start type
// and starts it again.
class SpoolerDisabled
{
  public:
    SpoolerDisabled();
    ~SpoolerDisabled();
    SpoolerDisabled(const SpoolerDisabled&) = delete;
    SpoolerDisabled& operator=(const SpoolerDisabled&) = delete;
    bool Applied() const { return m_applied; }

  private:
    DWORD m_startType = SERVICE_DEMAND_START;
    bool m_applied = false;
};
} // namespace e2e
