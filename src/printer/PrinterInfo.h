#pragma once

#include <string>
#include <windows.h>
#include <winspool.h>

// One open printer queue and the two language-monitor settings stored as its printer data
// (milliseconds, REG_DWORD). Owns the queue handle; nothing is cached, every getter asks the
// spooler again.
class CPrinterInfo
{
  public:
    static constexpr DWORD kDefaultStatusInterval = 500;
    static constexpr DWORD kDefaultIoTimeout = 180000;

    // Opens the queue with the access asked for; throws CPrinterInfoException when that fails.
    // PRINTER_ACCESS_USE is enough to read the settings; storing them needs full access.
    explicit CPrinterInfo(const char* queueName, DWORD desiredAccess = PRINTER_ALL_ACCESS);
    ~CPrinterInfo();
    CPrinterInfo(const CPrinterInfo&) = delete;
    CPrinterInfo& operator=(const CPrinterInfo&) = delete;

    const char* GetPrinterName() const { return m_name.c_str(); }

    // The stored value, or the default when it cannot be read. A stored value shorter than
    // four bytes reads with the missing high bytes as zero.
    DWORD GetStatusInterval() const;
    DWORD GetIoTimeout() const;
    BOOL IsBackgroundStatusEnabled() const;

    // Each returns the spooler's result code (ERROR_SUCCESS when stored).
    DWORD SetStatusInterval(DWORD milliseconds);
    DWORD SetIoTimeout(DWORD milliseconds);

    // Stores both values or neither: when the timeout cannot be stored the interval is put back
    // to what it read before. Returns the code of the store that failed, or ERROR_SUCCESS.
    DWORD SetSettings(DWORD intervalMilliseconds, DWORD timeoutMilliseconds);

  private:
    DWORD ReadValue(const char* valueName, DWORD fallback) const;
    DWORD WriteValue(const char* valueName, DWORD value);

    HANDLE m_hPrinter;
    std::string m_name;
};
