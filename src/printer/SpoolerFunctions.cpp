#include "printer/SpoolerFunctions.h"

#include "system/SystemLibrary.h"

namespace
{
template <typename Function> bool Find(HMODULE library, const char* name, Function& function)
{
    function = FindFunction<Function>(library, name);
    return function != nullptr;
}
} // namespace

SpoolerFunctions LoadSpoolerFunctions()
{
    SpoolerFunctions spooler;
    const HMODULE library = LoadSystemLibrary(L"winspool.drv");
    if (library == nullptr)
    {
        const DWORD error = GetLastError();
        spooler.error = error != ERROR_SUCCESS ? error : ERROR_MOD_NOT_FOUND;
        return spooler;
    }
    if (Find(library, "OpenPrinterW", spooler.OpenPrinterW) &&
        Find(library, "ClosePrinter", spooler.ClosePrinter) &&
        Find(library, "GetPrinterDataExW", spooler.GetPrinterDataExW) &&
        Find(library, "SetPrinterDataExW", spooler.SetPrinterDataExW) &&
        Find(library, "DeletePrinterDataExW", spooler.DeletePrinterDataExW) &&
        Find(library, "EnumPrintersW", spooler.EnumPrintersW) &&
        Find(library, "GetPrinterW", spooler.GetPrinterW) &&
        Find(library, "EnumPrinterDriversW", spooler.EnumPrinterDriversW) &&
        Find(library, "EnumJobsW", spooler.EnumJobsW))
        return spooler;
    SpoolerFunctions missing;
    missing.error = ERROR_PROC_NOT_FOUND;
    return missing;
}

const SpoolerFunctions& Spooler()
{
    static const SpoolerFunctions spooler = LoadSpoolerFunctions();
    return spooler;
}
