#include "console/QueueList.h"

#include "printer/SpoolerFunctions.h"

namespace
{
// Queues added while listing make the size asked for too small once more; a few tries suffice.
const int kAttempts = 5;
} // namespace

QueueList ListQueues()
{
    QueueList list;
    const SpoolerFunctions& spooler = Spooler();
    if (spooler.error != ERROR_SUCCESS)
        return {{}, spooler.error};
    // Level 4 comes from the spooler's own list, without asking any print server.
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    std::vector<PRINTER_INFO_4W> buffer;
    for (int attempt = 0; attempt < kAttempts; ++attempt)
    {
        const DWORD size = static_cast<DWORD>(buffer.size() * sizeof(PRINTER_INFO_4W));
        DWORD needed = 0;
        DWORD returned = 0;
        if (spooler.EnumPrintersW(flags, nullptr, 4, reinterpret_cast<LPBYTE>(buffer.data()), size,
                                  &needed, &returned))
        {
            list.error = ERROR_SUCCESS;
            for (DWORD i = 0; i < returned; ++i)
                if (buffer[i].pPrinterName != nullptr)
                    list.names.push_back(buffer[i].pPrinterName);
            return list;
        }
        list.error = GetLastError();
        if (list.error != ERROR_INSUFFICIENT_BUFFER || needed <= size)
            return list;
        buffer.resize((needed + sizeof(PRINTER_INFO_4W) - 1) / sizeof(PRINTER_INFO_4W));
    }
    return list;
}
