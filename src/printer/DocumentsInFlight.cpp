#include "printer/DocumentsInFlight.h"

#include "printer/PrinterHandle.h"
#include "printer/QueueListing.h"
#include "printer/SpoolerBuffer.h"

#include <vector>

namespace
{
// EnumJobsW lists at most this many documents: all of them.
const DWORD kEveryDocument = 0xFFFFFFFF;

// The documents in flight in one queue; nullopt when its documents cannot be listed.
std::optional<DWORD> CountInQueue(std::wstring queue)
{
    const SpoolerFunctions& spooler = Spooler();
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, PRINTER_ACCESS_USE};
    CPrinterHandle printer;
    if (!spooler.OpenPrinterW(queue.data(), printer.put(), &defaults))
        return std::nullopt;
    std::vector<BYTE> buffer;
    DWORD count = 0;
    if (FillSpoolerBuffer(buffer, [&](BYTE* data, DWORD size, DWORD* needed) {
            return spooler.EnumJobsW(printer.get(), 0, kEveryDocument, 1, data, size, needed,
                                     &count);
        }) != ERROR_SUCCESS)
        return std::nullopt;
    const auto* documents = reinterpret_cast<const JOB_INFO_1W*>(buffer.data());
    DWORD inFlight = 0;
    for (DWORD i = 0; i < count; ++i)
        if ((documents[i].Status & (JOB_STATUS_PRINTING | JOB_STATUS_SPOOLING)) != 0)
            ++inFlight;
    return inFlight;
}
} // namespace

std::optional<DWORD> CountDocumentsInFlight(const std::wstring& machine)
{
    const QueueListing listing = ListQueues(machine, false);
    if (listing.error != ERROR_SUCCESS)
        return std::nullopt;
    DWORD inFlight = 0;
    for (const ListedQueue& queue : listing.queues)
    {
        if (queue.documents == 0)
            continue;
        // A queue whose documents cannot be listed may hold any number in flight: leaving it out
        // would tell fewer than there are, so the whole count is unknown.
        const std::optional<DWORD> counted = CountInQueue(queue.name);
        if (!counted)
            return std::nullopt;
        inFlight += *counted;
    }
    return inFlight;
}
