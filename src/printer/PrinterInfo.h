#pragma once

#include "printer/PrinterHandle.h"

#include <optional>
#include <string>
#include <vector>
#include <windows.h>
#include <winspool.h>

// One open printer queue and the two language-monitor settings stored as its printer data
// (milliseconds, REG_DWORD). Owns the queue handle; nothing is cached, every read asks the
// spooler again.
class CPrinterInfo
{
  public:
    static constexpr DWORD kDefaultStatusInterval = 500;
    static constexpr DWORD kDefaultIoTimeout = 180000;

    enum class Setting
    {
        StatusInterval,
        IoTimeout,
    };

    // What the queue holds under a setting's name, exactly as stored.
    struct StoredValue
    {
        DWORD error = ERROR_SUCCESS; // why it could not be read; a missing value reads fine
        bool exists = false;
        DWORD type = REG_NONE;
        std::vector<BYTE> bytes;

        bool operator==(const StoredValue& other) const;
        // A 4-byte REG_DWORD, the only form the program stores.
        bool IsDword() const;
    };

    // Opens the queue (UTF-16, any length) with the access asked for; throws
    // CPrinterInfoException with the spooler's error when that fails. PRINTER_ACCESS_USE is
    // enough to read the settings; storing them needs full access.
    explicit CPrinterInfo(const wchar_t* queueName, DWORD desiredAccess = PRINTER_ALL_ACCESS);

    // The name as given; the text belongs to this object and lives as long as it does.
    const wchar_t* GetPrinterName() const { return m_name.c_str(); }

    // The stored value, or the default when it cannot be read. A stored value shorter than
    // four bytes reads with the missing high bytes as zero; a longer one as the default.
    DWORD GetStatusInterval() const;
    DWORD GetIoTimeout() const;
    BOOL IsBackgroundStatusEnabled() const;
    StoredValue ReadStored(Setting setting) const;
    // The number the getters give for a stored value: it zero-extended when it has at most four
    // bytes, else the setting's default.
    static DWORD ValueOf(Setting setting, const StoredValue& stored);

    // The name of the queue's printer driver; "" with error set when it cannot be read.
    std::wstring GetDriverName(DWORD& error) const;

    // Each returns the spooler's result code (ERROR_SUCCESS when stored).
    DWORD SetStatusInterval(DWORD milliseconds);
    DWORD SetIoTimeout(DWORD milliseconds);

    // Stores the values given (nullopt: that setting is left alone), all or nothing: when the
    // second store fails, the first setting is put back exactly as it was, deleted if it did not
    // exist. Nothing is stored when the first setting's present value cannot be read, since it
    // could not be put back. intervalNow is that value when the caller has just read it; null:
    // it is read here. Returns the code of the call that failed, or ERROR_SUCCESS.
    DWORD Store(std::optional<DWORD> intervalMilliseconds, std::optional<DWORD> timeoutMilliseconds,
                const StoredValue* intervalNow = nullptr);

  private:
    DWORD WriteDword(Setting setting, DWORD value);
    DWORD PutBack(Setting setting, const StoredValue& value);

    CPrinterHandle m_printer;
    std::wstring m_name;
};
