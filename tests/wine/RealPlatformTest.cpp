// The printer and service wrappers against Wine's own spooler and service manager. Wine's
// spooler differs from Windows in one known way: it refuses the printer-data key "\" (error
// 161) for reads and writes, so reads give the defaults and every store fails.
#include "printer/PrinterInfo.h"
#include "printer/PrinterInfoException.h"
#include "service/Service.h"
#include "service/ServiceException.h"
#include "service/SpoolerRestart.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
// The queue the test prefix is prepared with.
const char* TestQueue()
{
    const char* queue = std::getenv("SETTINGTOOL_TEST_QUEUE");
    return queue != nullptr ? queue : "Demo Printer";
}

DWORD SpoolerProcessId()
{
    const SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    const SC_HANDLE spooler = OpenServiceA(manager, "Spooler", SERVICE_QUERY_STATUS);
    SERVICE_STATUS_PROCESS status = {};
    DWORD needed = 0;
    QueryServiceStatusEx(spooler, SC_STATUS_PROCESS_INFO, reinterpret_cast<LPBYTE>(&status),
                         sizeof status, &needed);
    CloseServiceHandle(spooler);
    CloseServiceHandle(manager);
    return status.dwCurrentState == SERVICE_RUNNING ? status.dwProcessId : 0;
}

TEST(WineSpooler, AnUnknownQueueCannotBeOpened)
{
    EXPECT_THROW(CPrinterInfo printer("No Such Queue"), CPrinterInfoException);
}

TEST(WineSpooler, AnExistingQueueOpensAndItsRefusedKeyReadsAsTheDefaults)
{
    CPrinterInfo printer(TestQueue());
    EXPECT_STREQ(printer.GetPrinterName(), TestQueue());
    EXPECT_EQ(printer.GetStatusInterval(), 500u);
    EXPECT_EQ(printer.GetIoTimeout(), 180000u);
    EXPECT_TRUE(printer.IsBackgroundStatusEnabled());
}

TEST(WineSpooler, ARefusedStoreIsReportedAndLeavesNothingStored)
{
    CPrinterInfo printer(TestQueue());
    EXPECT_EQ(printer.SetSettings(700, 30000), static_cast<DWORD>(ERROR_BAD_PATHNAME));
    EXPECT_EQ(printer.GetStatusInterval(), 500u);
}

TEST(WineServices, AnUnknownServiceCannotBeOpened)
{
    EXPECT_THROW(CService("NoSuchService"), CServiceException);
}

TEST(WineServices, TheSpoolerStopsAndStartsWithinItsWaits)
{
    {
        CService spooler("Spooler");
        EXPECT_TRUE(spooler.Start(TRUE)); // running already, or started now
        const DWORD before = SpoolerProcessId();
        EXPECT_NE(before, 0u);
        EXPECT_TRUE(spooler.Stop(TRUE));
        EXPECT_TRUE(spooler.Stop(TRUE)); // stopped already: nothing to do
        EXPECT_TRUE(spooler.Start(TRUE));
        EXPECT_NE(SpoolerProcessId(), before);
    }
    const DWORD before = SpoolerProcessId();
    EXPECT_TRUE(RestartSpooler());
    EXPECT_NE(SpoolerProcessId(), before);
}
} // namespace
