#include "printer/PrinterInfo.h"

#include "printer/PrinterInfoException.h"

#include <winspool.h>

namespace
{
// The language monitor reads its settings from the top of the queue's printer data.
const char kKey[] = "\\";
const char kStatusIntervalName[] = "BackgroundStatusInterval";
const char kIoTimeoutName[] = "QuenloTimeout";
char kRawDatatype[] = "Raw";
} // namespace

CPrinterInfo::CPrinterInfo(const char* queueName, DWORD desiredAccess) : m_hPrinter(nullptr)
{
    PRINTER_DEFAULTSA defaults = {kRawDatatype, nullptr, desiredAccess};
    // OpenPrinterA takes a non-const name but does not change it.
    if (!OpenPrinterA(const_cast<LPSTR>(queueName), &m_hPrinter, &defaults))
        throw CPrinterInfoException();
    m_name = queueName;
}

CPrinterInfo::~CPrinterInfo()
{
    ClosePrinter(m_hPrinter);
}

DWORD CPrinterInfo::ReadValue(const char* valueName, DWORD fallback) const
{
    BYTE bytes[sizeof(DWORD)] = {};
    DWORD needed = 0;
    if (GetPrinterDataExA(m_hPrinter, kKey, valueName, nullptr, bytes, sizeof bytes, &needed) !=
        ERROR_SUCCESS)
        return fallback;
    return DWORD(bytes[0]) | DWORD(bytes[1]) << 8 | DWORD(bytes[2]) << 16 | DWORD(bytes[3]) << 24;
}

DWORD CPrinterInfo::WriteValue(const char* valueName, DWORD value)
{
    BYTE bytes[sizeof(DWORD)] = {BYTE(value), BYTE(value >> 8), BYTE(value >> 16),
                                 BYTE(value >> 24)};
    return SetPrinterDataExA(m_hPrinter, kKey, valueName, REG_DWORD, bytes, sizeof bytes);
}

DWORD CPrinterInfo::GetStatusInterval() const
{
    return ReadValue(kStatusIntervalName, kDefaultStatusInterval);
}

DWORD CPrinterInfo::GetIoTimeout() const
{
    return ReadValue(kIoTimeoutName, kDefaultIoTimeout);
}

BOOL CPrinterInfo::IsBackgroundStatusEnabled() const
{
    return GetStatusInterval() != 0 ? TRUE : FALSE;
}

DWORD CPrinterInfo::SetStatusInterval(DWORD milliseconds)
{
    return WriteValue(kStatusIntervalName, milliseconds);
}

DWORD CPrinterInfo::SetIoTimeout(DWORD milliseconds)
{
    return WriteValue(kIoTimeoutName, milliseconds);
}

DWORD CPrinterInfo::SetSettings(DWORD intervalMilliseconds, DWORD timeoutMilliseconds)
{
    const DWORD previousInterval = GetStatusInterval();
    const DWORD intervalResult = SetStatusInterval(intervalMilliseconds);
    if (intervalResult != ERROR_SUCCESS)
        return intervalResult;
    const DWORD timeoutResult = SetIoTimeout(timeoutMilliseconds);
    if (timeoutResult != ERROR_SUCCESS)
        SetStatusInterval(previousInterval);
    return timeoutResult;
}
