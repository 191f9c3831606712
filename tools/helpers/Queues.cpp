#include "Queues.h"

#include <winspool.h>

namespace helpers
{
namespace
{
wchar_t kDriverName[] = L"Wine PostScript Driver";
wchar_t kDriverFile[] = L"wineps.drv";
wchar_t kDataFile[] = L"generic.ppd";
wchar_t kPort[] = L"FILE:";
wchar_t kPrintProcessor[] = L"WinPrint";
wchar_t kDatatype[] = L"RAW";

bool QueueExists(std::wstring name)
{
    HANDLE printer = nullptr;
    if (!OpenPrinterW(name.data(), &printer, nullptr))
        return false;
    ClosePrinter(printer);
    return true;
}
} // namespace

DWORD AddPostScriptDriver()
{
    return AddDriver(kDriverName, L"");
}

DWORD AddDriver(const std::wstring& name, const std::wstring& monitor)
{
    std::wstring driverName = name;
    std::wstring monitorName = monitor;
    DRIVER_INFO_3W driver = {};
    driver.cVersion = 3;
    driver.pName = driverName.data();
    driver.pMonitorName = monitorName.empty() ? nullptr : monitorName.data();
    driver.pDriverPath = kDriverFile;
    driver.pDataFile = kDataFile;
    driver.pConfigFile = kDriverFile;
    if (AddPrinterDriverW(nullptr, 3, reinterpret_cast<LPBYTE>(&driver)) ||
        GetLastError() == ERROR_PRINTER_DRIVER_ALREADY_INSTALLED)
        return ERROR_SUCCESS;
    return GetLastError();
}

DWORD AddQueue(const std::wstring& name)
{
    return AddQueue(name, kDriverName);
}

DWORD AddQueue(const std::wstring& name, const std::wstring& driver)
{
    if (QueueExists(name))
        return ERROR_SUCCESS;
    std::wstring printerName = name;
    std::wstring driverName = driver;
    PRINTER_INFO_2W info = {};
    info.pPrinterName = printerName.data();
    info.pPortName = kPort;
    info.pDriverName = driverName.data();
    info.pPrintProcessor = kPrintProcessor;
    info.pDatatype = kDatatype;
    const HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    if (printer == nullptr)
        return GetLastError();
    ClosePrinter(printer);
    return ERROR_SUCCESS;
}
} // namespace helpers
