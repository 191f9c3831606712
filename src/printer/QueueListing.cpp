#include "printer/QueueListing.h"

#include "printer/SpoolerBuffer.h"
#include "printer/SpoolerFunctions.h"
#include "printer/SpoolerNames.h"

namespace
{
// The machine as the spooler's calls name it: null for this computer.
LPWSTR MachineArgument(std::wstring& machine)
{
    return machine.empty() ? nullptr : machine.data();
}

std::wstring TextOf(const wchar_t* text)
{
    return text != nullptr ? text : L"";
}
} // namespace

QueueListing ListQueues(const std::wstring& server, bool withConnections)
{
    QueueListing listing;
    const SpoolerFunctions& spooler = Spooler();
    if ((listing.error = spooler.error) != ERROR_SUCCESS)
        return listing;
    std::wstring name = server;
    const DWORD flags = !server.empty()   ? PRINTER_ENUM_NAME
                        : withConnections ? PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS
                                          : PRINTER_ENUM_LOCAL;
    std::vector<BYTE> buffer;
    DWORD count = 0;
    listing.error = FillSpoolerBuffer(buffer, [&](BYTE* data, DWORD size, DWORD* needed) {
        return spooler.EnumPrintersW(flags, MachineArgument(name), 2, data, size, needed, &count);
    });
    if (listing.error != ERROR_SUCCESS)
        return listing;
    const auto* queues = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
    {
        std::wstring queue = TextOf(queues[i].pPrinterName);
        // A server names its queues with or without itself in front.
        if (!server.empty() && MachineOf(queue).empty())
            queue = server + L"\\" + queue;
        if (!queue.empty())
            listing.queues.push_back({queue, TextOf(queues[i].pDriverName), queues[i].cJobs});
    }
    return listing;
}

const CDriverMonitors::Machine& CDriverMonitors::Drivers(const std::wstring& machine)
{
    for (const Machine& known : m_machines)
        if (SameName(known.name, machine))
            return known;
    Machine read;
    read.name = machine;
    const SpoolerFunctions& spooler = Spooler();
    std::vector<BYTE> buffer;
    DWORD count = 0;
    // Every processor architecture: a 32-bit program would otherwise be told only of the
    // drivers installed for 32-bit programs, which a 64-bit machine's queues need not have.
    wchar_t every[] = L"all";
    std::wstring name = machine;
    read.error = spooler.error != ERROR_SUCCESS
                     ? spooler.error
                     : FillSpoolerBuffer(buffer, [&](BYTE* data, DWORD size, DWORD* needed) {
                           return spooler.EnumPrinterDriversW(MachineArgument(name), every, 3, data,
                                                              size, needed, &count);
                       });
    const auto* drivers = reinterpret_cast<const DRIVER_INFO_3W*>(buffer.data());
    for (DWORD i = 0; read.error == ERROR_SUCCESS && i < count; ++i)
        read.drivers.push_back({TextOf(drivers[i].pName), TextOf(drivers[i].pMonitorName)});
    m_machines.push_back(std::move(read));
    return m_machines.back();
}

QueueDriver CDriverMonitors::Of(const std::wstring& machine, const std::wstring& driver)
{
    const Machine& known = Drivers(machine);
    if (known.error != ERROR_SUCCESS)
        return {driver, std::nullopt, known.error};
    // A driver installed for several processor architectures is one driver: it has a language
    // monitor when one of them names one.
    bool installed = false;
    for (const auto& [name, monitor] : known.drivers)
    {
        if (!SameName(name, driver))
            continue;
        if (!monitor.empty())
            return {driver, monitor};
        installed = true;
    }
    return {driver, std::nullopt,
            static_cast<DWORD>(installed ? ERROR_SUCCESS : ERROR_UNKNOWN_PRINTER_DRIVER)};
}
