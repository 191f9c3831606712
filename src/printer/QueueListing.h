#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// What a machine's spooler lists: its queues with their drivers, and the language monitors its
// drivers name. Each is asked for once per machine and command.

// A queue as its machine lists it.
struct ListedQueue
{
    std::wstring name; // "\\server\name" for a print server's queue
    std::wstring driver;
    DWORD documents = 0; // how many its spooler holds for it, whatever their state
};

struct QueueListing
{
    std::vector<ListedQueue> queues;
    DWORD error = ERROR_SUCCESS; // why the spooler could not list them
};

// The queues of a print server ("\\name"), or with server "" this computer's own, with its
// connections to print servers' queues when asked for.
QueueListing ListQueues(const std::wstring& server, bool withConnections);

// A queue's printer driver and the language monitor that reads the queue's settings.
struct QueueDriver
{
    std::optional<std::wstring> name;    // none when it could not be read
    std::optional<std::wstring> monitor; // none when the driver names none or it could not be read
    DWORD error = ERROR_SUCCESS;         // why the driver or its language monitor could not be read
};

// The language monitors that the drivers of each machine name, read once per machine.
class CDriverMonitors
{
  public:
    // The driver named on machine ("" is this computer) with its language monitor.
    QueueDriver Of(const std::wstring& machine, const std::wstring& driver);

  private:
    struct Machine
    {
        std::wstring name;
        DWORD error = ERROR_SUCCESS;
        // Every installed driver, for each processor architecture, with the monitor it names.
        std::vector<std::pair<std::wstring, std::wstring>> drivers;
    };
    const Machine& Drivers(const std::wstring& machine);

    std::vector<Machine> m_machines;
};
