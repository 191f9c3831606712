#include "console/QueueSettings.h"

std::optional<DWORD> StoredSetting::Milliseconds() const
{
    if (!value.IsDword())
        return std::nullopt;
    const std::vector<BYTE>& b = value.bytes;
    return DWORD(b[0]) | DWORD(b[1]) << 8 | DWORD(b[2]) << 16 | DWORD(b[3]) << 24;
}

QueueSettings ReadQueueSettings(const CPrinterInfo& printer)
{
    return {
        {printer.ReadStored(CPrinterInfo::Setting::StatusInterval), printer.GetStatusInterval()},
        {printer.ReadStored(CPrinterInfo::Setting::IoTimeout), printer.GetIoTimeout()}};
}
