// Reading and writing the two settings of a queue through the spooler.
#include "HostSession.h"

#include "printer/PrinterInfoException.h"

#include <winspool.h>

namespace
{
using host::spooler::Value;

class PrinterInfoTest : public HostSession
{
};

TEST_F(PrinterInfoTest, OpensWithFullAccessAndKeepsTheNameAsGiven)
{
    const std::string longName(1000, 'q');
    host::spooler::AddQueue(longName);
    {
        CPrinterInfo printer(longName.c_str());
        EXPECT_EQ(printer.GetPrinterName(), longName);
        EXPECT_EQ(host::spooler::LastDesiredAccess(), static_cast<DWORD>(PRINTER_ALL_ACCESS));
        EXPECT_EQ(host::spooler::OpenHandles(), 1);
    }
    EXPECT_EQ(host::spooler::OpenHandles(), 0);
}

TEST_F(PrinterInfoTest, AQueueThatCannotBeOpenedWithFullAccessThrows)
{
    host::spooler::AddQueue("Front Desk", false);
    for (const char* name : {"No Such Queue", "Front Desk", ""})
    {
        EXPECT_THROW(CPrinterInfo printer(name), CPrinterInfoException) << name;
        EXPECT_EQ(host::spooler::OpenHandles(), 0);
    }
}

TEST_F(PrinterInfoTest, ReadsStoredValuesAndFallsBackToTheDefaults)
{
    const struct
    {
        const char* what;
        std::optional<Value> stored;
        DWORD expected;
    } cases[] = {
        {"missing", std::nullopt, 500},
        {"zero", Value{REG_DWORD, {0, 0, 0, 0}}, 0},
        {"four bytes", Value{REG_DWORD, {0x78, 0x56, 0x34, 0x12}}, 0x12345678},
        {"largest", Value{REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}}, 0xFFFFFFFF},
        {"two bytes", Value{REG_BINARY, {0xD0, 0x07}}, 2000},
        {"empty", Value{REG_BINARY, {}}, 0},
        {"other type, four bytes", Value{REG_BINARY, {0xBC, 0x02, 0, 0}}, 700},
        {"longer than four bytes", Value{REG_SZ, {'7', '0', '0', '0', 0}}, 500},
    };
    for (const auto& c : cases)
    {
        host::spooler::Reset();
        host::spooler::AddQueue(kQueue);
        if (c.stored)
            host::spooler::SetValue(kQueue, "\\", "BackgroundStatusInterval", *c.stored);
        CPrinterInfo printer(kQueue);
        EXPECT_EQ(printer.GetStatusInterval(), c.expected) << c.what;
        EXPECT_EQ(printer.IsBackgroundStatusEnabled(), c.expected != 0) << c.what;
        EXPECT_EQ(printer.GetIoTimeout(), 180000u) << c.what;
    }
}

TEST_F(PrinterInfoTest, ValuesUnderAnotherKeyAreNotTheSettings)
{
    host::spooler::SetValue(kQueue, "PrinterDriverData", "QuenloTimeout",
                            {REG_DWORD, {1, 0, 0, 0}});
    CPrinterInfo printer(kQueue);
    EXPECT_EQ(printer.GetIoTimeout(), 180000u);
}

TEST_F(PrinterInfoTest, StoresFourByteDwordsThatReadBackWithoutCaching)
{
    CPrinterInfo printer(kQueue);
    EXPECT_EQ(printer.SetStatusInterval(0), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(printer.GetStatusInterval(), 0u);
    EXPECT_FALSE(printer.IsBackgroundStatusEnabled());
    EXPECT_EQ(printer.SetIoTimeout(600000), static_cast<DWORD>(ERROR_SUCCESS));
    const auto stored = host::spooler::GetValue(kQueue, "\\", "QuenloTimeout");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored->data, (std::vector<BYTE>{0xC0, 0x27, 0x09, 0x00}));

    host::spooler::SetDword(kQueue, "QuenloTimeout", 5000); // changed behind its back
    EXPECT_EQ(printer.GetIoTimeout(), 5000u);
}

TEST_F(PrinterInfoTest, AFailedStoreReportsTheSpoolersCode)
{
    host::spooler::FailStores(kQueue, "BackgroundStatusInterval", ERROR_ACCESS_DENIED);
    CPrinterInfo printer(kQueue);
    EXPECT_EQ(printer.SetStatusInterval(700), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(StoredInterval());
}

TEST_F(PrinterInfoTest, StoringThePairIsAllOrNothing)
{
    const struct
    {
        const char* what;
        std::optional<DWORD> interval, timeout; // stored before
        const char* failing;
        DWORD expectedResult;
        std::optional<DWORD> expectedInterval, expectedTimeout;
    } cases[] = {
        {"both stored", 700, 180000, nullptr, ERROR_SUCCESS, 2500, 30000},
        {"timeout refused", 700, 180000, "QuenloTimeout", ERROR_ACCESS_DENIED, 700, 180000},
        {"interval refused", 700, 180000, "BackgroundStatusInterval", ERROR_ACCESS_DENIED, 700,
         180000},
        // Nothing was stored before: the interval goes back to the value it read as.
        {"timeout refused, none before", std::nullopt, std::nullopt, "QuenloTimeout",
         ERROR_ACCESS_DENIED, 500, std::nullopt},
    };
    for (const auto& c : cases)
    {
        host::spooler::Reset();
        host::spooler::AddQueue(kQueue);
        Store(c.interval, c.timeout);
        if (c.failing != nullptr)
            host::spooler::FailStores(kQueue, c.failing, ERROR_ACCESS_DENIED);
        CPrinterInfo printer(kQueue);
        EXPECT_EQ(printer.SetSettings(2500, 30000), c.expectedResult) << c.what;
        EXPECT_EQ(StoredInterval(), c.expectedInterval) << c.what;
        EXPECT_EQ(StoredTimeout(), c.expectedTimeout) << c.what;
    }
}
} // namespace
