#include "printer/PrinterInfo.h"

#include "printer/PrinterInfoException.h"
#include "printer/SpoolerBuffer.h"

#include <algorithm>
#include <utility>

namespace
{
// The language monitor reads its settings from the top of the queue's printer data.
const wchar_t kKey[] = L"\\";
wchar_t kRawDatatype[] = L"Raw";
// A value larger than this many bytes is read again with the size the spooler asks for; the
// value may change between the calls, so only a few rounds are tried.
const int kReadAttempts = 3;

const wchar_t* NameOf(CPrinterInfo::Setting setting)
{
    return setting == CPrinterInfo::Setting::StatusInterval ? L"BackgroundStatusInterval"
                                                            : L"QuenloTimeout";
}

DWORD DefaultOf(CPrinterInfo::Setting setting)
{
    return setting == CPrinterInfo::Setting::StatusInterval ? CPrinterInfo::kDefaultStatusInterval
                                                            : CPrinterInfo::kDefaultIoTimeout;
}
} // namespace

bool CPrinterInfo::StoredValue::operator==(const StoredValue& other) const
{
    return error == other.error && exists == other.exists && type == other.type &&
           bytes == other.bytes;
}

bool CPrinterInfo::StoredValue::IsDword() const
{
    return exists && type == REG_DWORD && bytes.size() == sizeof(DWORD);
}

CPrinterInfo::CPrinterInfo(const wchar_t* queueName, DWORD desiredAccess)
{
    // An empty name would open the print server itself, not a queue.
    if (queueName == nullptr || *queueName == L'\0')
        throw CPrinterInfoException(ERROR_INVALID_PRINTER_NAME);
    const SpoolerFunctions& spooler = Spooler();
    if (spooler.error != ERROR_SUCCESS)
        throw CPrinterInfoException(spooler.error);
    PRINTER_DEFAULTSW defaults = {kRawDatatype, nullptr, desiredAccess};
    // OpenPrinterW takes a non-const name but does not change it.
    if (!spooler.OpenPrinterW(const_cast<LPWSTR>(queueName), m_printer.put(), &defaults))
    {
        // A print provider may fail without saying why; the failure must still read as one.
        const DWORD error = GetLastError();
        throw CPrinterInfoException(error != ERROR_SUCCESS ? error : ERROR_OPEN_FAILED);
    }
    m_name = queueName;
}

CPrinterInfo::StoredValue CPrinterInfo::ReadStored(Setting setting) const
{
    StoredValue value;
    std::vector<BYTE> buffer(sizeof(DWORD));
    DWORD result = ERROR_MORE_DATA;
    DWORD needed = 0;
    for (int attempt = 0; attempt < kReadAttempts && result == ERROR_MORE_DATA; ++attempt)
    {
        if (needed > buffer.size())
            buffer.resize(needed);
        result =
            Spooler().GetPrinterDataExW(m_printer.get(), kKey, NameOf(setting), &value.type,
                                        buffer.data(), static_cast<DWORD>(buffer.size()), &needed);
    }
    if (result == ERROR_SUCCESS)
    {
        value.exists = true;
        buffer.resize(std::min<size_t>(needed, buffer.size()));
        value.bytes = std::move(buffer);
        return value;
    }
    value.type = REG_NONE;
    if (result != ERROR_FILE_NOT_FOUND)
        value.error = result;
    return value;
}

DWORD CPrinterInfo::ValueOf(Setting setting, const StoredValue& stored)
{
    if (!stored.exists || stored.bytes.size() > sizeof(DWORD))
        return DefaultOf(setting);
    DWORD result = 0;
    for (size_t i = 0; i < stored.bytes.size(); ++i)
        result |= DWORD(stored.bytes[i]) << (8 * i);
    return result;
}

std::wstring CPrinterInfo::GetDriverName(DWORD& error) const
{
    std::vector<BYTE> buffer;
    // Most queues' records fit the guess, so that one call tells the driver.
    const size_t kGuess = 4096;
    error = FillSpoolerBuffer(
        buffer,
        [&](BYTE* data, DWORD size, DWORD* needed) {
            return Spooler().GetPrinterW(m_printer.get(), 2, data, size, needed);
        },
        kGuess);
    if (error != ERROR_SUCCESS)
        return L"";
    const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    return info->pDriverName != nullptr ? info->pDriverName : L"";
}

DWORD CPrinterInfo::WriteDword(Setting setting, DWORD value)
{
    BYTE bytes[sizeof(DWORD)] = {BYTE(value), BYTE(value >> 8), BYTE(value >> 16),
                                 BYTE(value >> 24)};
    return Spooler().SetPrinterDataExW(m_printer.get(), kKey, NameOf(setting), REG_DWORD, bytes,
                                       sizeof bytes);
}

DWORD CPrinterInfo::PutBack(Setting setting, const StoredValue& value)
{
    if (!value.exists)
        return Spooler().DeletePrinterDataExW(m_printer.get(), kKey, NameOf(setting));
    std::vector<BYTE> bytes = value.bytes; // SetPrinterDataExW takes them non-const
    return Spooler().SetPrinterDataExW(m_printer.get(), kKey, NameOf(setting), value.type,
                                       bytes.data(), static_cast<DWORD>(bytes.size()));
}

DWORD CPrinterInfo::GetStatusInterval() const
{
    return ValueOf(Setting::StatusInterval, ReadStored(Setting::StatusInterval));
}

DWORD CPrinterInfo::GetIoTimeout() const
{
    return ValueOf(Setting::IoTimeout, ReadStored(Setting::IoTimeout));
}

BOOL CPrinterInfo::IsBackgroundStatusEnabled() const
{
    return GetStatusInterval() != 0 ? TRUE : FALSE;
}

DWORD CPrinterInfo::SetStatusInterval(DWORD milliseconds)
{
    return WriteDword(Setting::StatusInterval, milliseconds);
}

DWORD CPrinterInfo::SetIoTimeout(DWORD milliseconds)
{
    return WriteDword(Setting::IoTimeout, milliseconds);
}

DWORD CPrinterInfo::Store(std::optional<DWORD> intervalMilliseconds,
                          std::optional<DWORD> timeoutMilliseconds, const StoredValue* intervalNow)
{
    if (!intervalMilliseconds || !timeoutMilliseconds)
    {
        if (intervalMilliseconds)
            return SetStatusInterval(*intervalMilliseconds);
        if (timeoutMilliseconds)
            return SetIoTimeout(*timeoutMilliseconds);
        return ERROR_SUCCESS;
    }
    const StoredValue before =
        intervalNow != nullptr ? *intervalNow : ReadStored(Setting::StatusInterval);
    if (before.error != ERROR_SUCCESS)
        return before.error;
    const DWORD intervalResult = SetStatusInterval(*intervalMilliseconds);
    if (intervalResult != ERROR_SUCCESS)
        return intervalResult;
    const DWORD timeoutResult = SetIoTimeout(*timeoutMilliseconds);
    if (timeoutResult != ERROR_SUCCESS)
        PutBack(Setting::StatusInterval, before);
    return timeoutResult;
}
