// Adds printer queues to the Wine prefix through Wine's own spooler, for the demo and the
// end-to-end tests: `add-queues.exe <queue name>...`. A queue that exists already is kept.
#include <windows.h>
#include <winspool.h>

#include <cstdio>

namespace
{
// Wine's PostScript driver ships with every prefix, so a queue needs nothing installed.
char kDriverName[] = "Wine PostScript Driver";
char kDriverFile[] = "wineps.drv";
char kDataFile[] = "generic.ppd";
char kPort[] = "FILE:";
char kPrintProcessor[] = "WinPrint";
char kDatatype[] = "RAW";

bool AddDriver()
{
    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = kDriverName;
    driver.pDriverPath = kDriverFile;
    driver.pDataFile = kDataFile;
    driver.pConfigFile = kDriverFile;
    if (AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver)) ||
        GetLastError() == ERROR_PRINTER_DRIVER_ALREADY_INSTALLED)
        return true;
    std::fprintf(stderr, "add-queues: AddPrinterDriverA failed with error %lu\n", GetLastError());
    return false;
}

bool QueueExists(char* name)
{
    HANDLE printer = nullptr;
    if (!OpenPrinterA(name, &printer, nullptr))
        return false;
    ClosePrinter(printer);
    return true;
}

bool AddQueue(char* name)
{
    if (QueueExists(name))
        return true;
    PRINTER_INFO_2A info = {};
    info.pPrinterName = name;
    info.pPortName = kPort;
    info.pDriverName = kDriverName;
    info.pPrintProcessor = kPrintProcessor;
    info.pDatatype = kDatatype;
    const HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    if (printer == nullptr && GetLastError() != ERROR_PRINTER_ALREADY_EXISTS)
    {
        std::fprintf(stderr, "add-queues: AddPrinterA(\"%s\") failed with error %lu\n", name,
                     GetLastError());
        return false;
    }
    if (printer != nullptr)
        ClosePrinter(printer);
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: add-queues <queue name>...\n");
        return 2;
    }
    if (!AddDriver())
        return 1;
    int status = 0;
    for (int i = 1; i < argc; ++i)
        if (!AddQueue(argv[i]))
            status = 1;
    return status;
}
