// What the program changes outside itself, read and restored directly: the printer data that the
// stand-in keeps under the queue's registry key, and Wine's "Spooler" service.
#pragma once

#include "Wait.h"

#include <windows.h>
#include <winspool.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e
{
extern const char kIntervalValue[];
extern const char kTimeoutValue[];

// A stored value as the registry holds it, whatever its type and size.
struct RawValue
{
    DWORD type;
    std::vector<BYTE> bytes;
    bool operator==(const RawValue& other) const
    {
        return type == other.type && bytes == other.bytes;
    }
};

// Queue names are UTF-8 here.
bool QueueExists(const std::string& queue);
// Adds a queue through Wine's own spooler (tools/helpers/Queues.h) unless it exists; false when
// that fails. DeleteQueue removes one, with all it stores.
bool AddQueue(const std::string& queue);
void DeleteQueue(const std::string& queue);
std::optional<DWORD> StoredValue(const std::string& queue, const char* name);
void SetStoredValue(const std::string& queue, const char* name, std::optional<DWORD> value);
std::optional<RawValue> StoredRawValue(const std::string& queue, const char* name);
void SetStoredRawValue(const std::string& queue, const char* name,
                       const std::optional<RawValue>& value);

// Both values of a queue exactly as found; restored by the destructor.
class StoredValuesKeeper
{
  public:
    explicit StoredValuesKeeper(std::string queue);
    ~StoredValuesKeeper();
    StoredValuesKeeper(const StoredValuesKeeper&) = delete;
    StoredValuesKeeper& operator=(const StoredValuesKeeper&) = delete;

  private:
    std::string m_queue;
    std::optional<RawValue> m_interval;
    std::optional<RawValue> m_timeout;
};

// Documents in a queue, each in a state (JOB_STATUS_...), as the stand-in lists them
// (tests/standin); the destructor takes them away.
class DocumentsPlanted
{
  public:
    DocumentsPlanted(const std::string& queue, const std::vector<DWORD>& states);
    ~DocumentsPlanted();
    DocumentsPlanted(const DocumentsPlanted&) = delete;
    DocumentsPlanted& operator=(const DocumentsPlanted&) = delete;

  private:
    std::wstring m_key;
};

// The spooler's process id while it runs, else 0.
DWORD SpoolerProcessId();
bool StartSpooler(DWORD timeoutMs = kActionTimeoutMs);

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

// Puts the spooler's stand-in (tests/standin, the program's path given) in the place of the
// spooler's program and starts it: with no arguments a spooler that runs but cannot be stopped,
// with "slow MS" one whose start and stop each take MS milliseconds. The destructor ends it, puts
// the spooler's own program back and starts it again.
class SpoolerStandIn
{
  public:
    explicit SpoolerStandIn(const std::string& program, const std::string& arguments = "");
    ~SpoolerStandIn();
    SpoolerStandIn(const SpoolerStandIn&) = delete;
    SpoolerStandIn& operator=(const SpoolerStandIn&) = delete;
    bool Running() const { return m_running; }

  private:
    std::wstring m_program;
    bool m_applied = false;
    bool m_running = false;
};
} // namespace e2e
