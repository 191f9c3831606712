// Reading and writing the two settings of a queue through the spooler.
#include "HostSession.h"

#include "printer/PrinterInfo.h"
#include "printer/PrinterInfoException.h"

#include <host_text.h>

#include <winspool.h>

namespace
{
using host::spooler::Value;
using StoredValue = CPrinterInfo::StoredValue;

const wchar_t kInterval[] = L"BackgroundStatusInterval";
const wchar_t kTimeout[] = L"QuenloTimeout";

class PrinterInfoTest : public HostSession
{
  protected:
    static std::optional<Value> Stored(const wchar_t* name)
    {
        return host::spooler::GetValue(kQueue, L"\\", name);
    }
};

TEST_F(PrinterInfoTest, OpensWithFullAccessAndKeepsTheWideNameAsGiven)
{
    const std::wstring names[] = {
        std::wstring(1000, L'q'),
        host::text::Utf16(u"Принтер – 2F"),
        host::text::Utf16(u"プリンタ①"),
        host::text::Utf16(u"Emoji 🖨 Printer"), // a surrogate pair
        L"Quote \"Q\" Printer",
    };
    for (const std::wstring& name : names)
    {
        host::spooler::AddQueue(name);
        {
            CPrinterInfo printer(name.c_str());
            EXPECT_EQ(printer.GetPrinterName(), name);
            EXPECT_EQ(host::spooler::DesiredAccesses().back(),
                      static_cast<DWORD>(PRINTER_ALL_ACCESS));
            EXPECT_EQ(host::spooler::OpenHandles(), 1);
        }
        EXPECT_EQ(host::spooler::OpenHandles(), 0);
    }
}

TEST_F(PrinterInfoTest, AQueueThatCannotBeOpenedThrowsWithTheReason)
{
    host::spooler::AddQueue(L"Front Desk", false);
    host::spooler::AddQueue(L"Buro");
    host::spooler::AddQueue(L"Silent");
    host::spooler::FailOpens(L"Silent", ERROR_SUCCESS);
    const struct
    {
        const wchar_t* name;
        DWORD error;
    } cases[] = {
        {L"No Such Queue", ERROR_INVALID_PRINTER_NAME},
        {L"B\u00FCro", ERROR_INVALID_PRINTER_NAME}, // not the queue "Buro"
        {L"Front Desk", ERROR_ACCESS_DENIED},
        {L"Silent", ERROR_OPEN_FAILED},    // a failure without a reason is still one
        {L"", ERROR_INVALID_PRINTER_NAME}, // would name the print server itself
        {nullptr, ERROR_INVALID_PRINTER_NAME},
    };
    for (const auto& c : cases)
    {
        try
        {
            CPrinterInfo printer(c.name);
            ADD_FAILURE() << "opened " << (c.name != nullptr ? c.name : L"(null)");
        }
        catch (const CPrinterInfoException& e)
        {
            EXPECT_EQ(e.error, c.error) << (c.name != nullptr ? c.name : L"(null)");
        }
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
        SetUp();
        if (c.stored)
            host::spooler::SetValue(kQueue, L"\\", kInterval, *c.stored);
        CPrinterInfo printer(kQueue);
        EXPECT_EQ(printer.GetStatusInterval(), c.expected) << c.what;
        EXPECT_EQ(printer.IsBackgroundStatusEnabled(), c.expected != 0) << c.what;
        EXPECT_EQ(printer.GetIoTimeout(), 180000u) << c.what;
    }
}

TEST_F(PrinterInfoTest, AStoredValueReadsExactlyAsItIsHeld)
{
    const std::vector<BYTE> large(300, 0xAB);
    const struct
    {
        const char* what;
        std::optional<Value> stored;
        DWORD readError;
        StoredValue expected;
    } cases[] = {
        {"missing", std::nullopt, ERROR_SUCCESS, {ERROR_SUCCESS, false, REG_NONE, {}}},
        {"dword",
         Value{REG_DWORD, {1, 2, 3, 4}},
         ERROR_SUCCESS,
         {ERROR_SUCCESS, true, REG_DWORD, {1, 2, 3, 4}}},
        {"short", Value{REG_DWORD, {7}}, ERROR_SUCCESS, {ERROR_SUCCESS, true, REG_DWORD, {7}}},
        {"empty", Value{REG_BINARY, {}}, ERROR_SUCCESS, {ERROR_SUCCESS, true, REG_BINARY, {}}},
        {"larger than a first read takes",
         Value{REG_BINARY, large},
         ERROR_SUCCESS,
         {ERROR_SUCCESS, true, REG_BINARY, large}},
        {"unreadable",
         Value{REG_DWORD, {1, 2, 3, 4}},
         ERROR_BAD_PATHNAME,
         {ERROR_BAD_PATHNAME, false, REG_NONE, {}}},
    };
    for (const auto& c : cases)
    {
        SetUp();
        if (c.stored)
            host::spooler::SetValue(kQueue, L"\\", kTimeout, *c.stored);
        if (c.readError != ERROR_SUCCESS)
            host::spooler::FailReads(kQueue, kTimeout, c.readError);
        const CPrinterInfo printer(kQueue, PRINTER_ACCESS_USE);
        const StoredValue read = printer.ReadStored(CPrinterInfo::Setting::IoTimeout);
        EXPECT_EQ(read, c.expected) << c.what;
        EXPECT_EQ(read.IsDword(), std::string(c.what) == "dword") << c.what;
        EXPECT_FALSE(printer.ReadStored(CPrinterInfo::Setting::StatusInterval).exists) << c.what;
    }
}

TEST_F(PrinterInfoTest, ValuesUnderAnotherKeyAreNotTheSettings)
{
    host::spooler::SetValue(kQueue, L"PrinterDriverData", kTimeout, {REG_DWORD, {1, 0, 0, 0}});
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
    const auto stored = Stored(kTimeout);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored->data, (std::vector<BYTE>{0xC0, 0x27, 0x09, 0x00}));

    host::spooler::SetDword(kQueue, kTimeout, 5000); // changed behind its back
    EXPECT_EQ(printer.GetIoTimeout(), 5000u);
}

TEST_F(PrinterInfoTest, StoringThePairIsAllOrNothingAndPutsTheFirstValueBackExactly)
{
    const Value dword700{REG_DWORD, {0xBC, 0x02, 0, 0}};
    const Value text{REG_SZ, {'7', 0, '0', 0, 0, 0}};
    const Value shortBinary{REG_BINARY, {0x05}};
    const struct
    {
        const char* what;
        std::optional<Value> interval; // held before
        const wchar_t* failing;
        DWORD expectedResult;
        std::optional<Value> expectedInterval;
    } cases[] = {
        {"both stored", dword700, nullptr, ERROR_SUCCESS, Value{REG_DWORD, {0xC4, 0x09, 0, 0}}},
        {"interval refused", dword700, kInterval, ERROR_ACCESS_DENIED, dword700},
        {"timeout refused", dword700, kTimeout, ERROR_ACCESS_DENIED, dword700},
        {"timeout refused, interval missing before", std::nullopt, kTimeout, ERROR_ACCESS_DENIED,
         std::nullopt},
        {"timeout refused, interval a string before", text, kTimeout, ERROR_ACCESS_DENIED, text},
        {"timeout refused, interval one byte before", shortBinary, kTimeout, ERROR_ACCESS_DENIED,
         shortBinary},
    };
    for (const auto& c : cases)
    {
        SetUp();
        if (c.interval)
            host::spooler::SetValue(kQueue, L"\\", kInterval, *c.interval);
        host::spooler::SetDword(kQueue, kTimeout, 180000);
        if (c.failing != nullptr)
            host::spooler::FailStores(kQueue, c.failing, ERROR_ACCESS_DENIED);
        CPrinterInfo printer(kQueue);
        EXPECT_EQ(printer.Store(2500, 30000), c.expectedResult) << c.what;
        const auto interval = Stored(kInterval);
        EXPECT_EQ(interval.has_value(), c.expectedInterval.has_value()) << c.what;
        if (interval && c.expectedInterval)
        {
            EXPECT_EQ(interval->type, c.expectedInterval->type) << c.what;
            EXPECT_EQ(interval->data, c.expectedInterval->data) << c.what;
        }
        EXPECT_EQ(StoredTimeout(), c.failing == nullptr ? 30000u : 180000u) << c.what;
    }
}

TEST_F(PrinterInfoTest, APairIsNotStartedWhenTheFirstValueCouldNotBePutBack)
{
    Store(700, 180000);
    host::spooler::FailReads(kQueue, kInterval, ERROR_BAD_PATHNAME);
    CPrinterInfo printer(kQueue);
    EXPECT_EQ(printer.Store(2500, 30000), static_cast<DWORD>(ERROR_BAD_PATHNAME));
    EXPECT_EQ(StoreCalls(), 0);
}

TEST_F(PrinterInfoTest, OneValueGivenIsStoredAloneAndTheOtherIsNotTouched)
{
    const struct
    {
        const char* what;
        std::optional<DWORD> interval, timeout;
        const wchar_t* failing;
        DWORD expectedResult;
        std::optional<DWORD> expectedInterval, expectedTimeout;
    } cases[] = {
        {"interval only", 2500, std::nullopt, nullptr, ERROR_SUCCESS, 2500, std::nullopt},
        {"timeout only", std::nullopt, 30000, nullptr, ERROR_SUCCESS, std::nullopt, 30000},
        {"timeout only, refused", std::nullopt, 30000, kTimeout, ERROR_ACCESS_DENIED, std::nullopt,
         std::nullopt},
        {"neither", std::nullopt, std::nullopt, nullptr, ERROR_SUCCESS, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases)
    {
        SetUp();
        if (c.failing != nullptr)
            host::spooler::FailStores(kQueue, c.failing, ERROR_ACCESS_DENIED);
        CPrinterInfo printer(kQueue);
        host::CallLog().clear();
        EXPECT_EQ(printer.Store(c.interval, c.timeout), c.expectedResult) << c.what;
        EXPECT_EQ(StoredInterval(), c.expectedInterval) << c.what;
        EXPECT_EQ(StoredTimeout(), c.expectedTimeout) << c.what;
        EXPECT_EQ(host::CallLog().size(), (c.interval ? 1u : 0u) + (c.timeout ? 1u : 0u)) << c.what;
    }
}
} // namespace
