// The printer and service wrappers against Wine's own spooler and service manager. Wine's
// spooler differs from Windows in one known way: it refuses the printer-data key "\" (error
// 161) for reads and writes. Cases that meet it assert what Windows does and expect Wine to
// differ, as Wine's own tests mark a known divergence (todo_wine): they fail when Wine changes.
#include "Prefix.h"
#include "TestQueue.h"

#include "printer/PrinterInfo.h"
#include "printer/PrinterInfoException.h"
#include "service/Service.h"
#include "service/ServiceException.h"
#include "service/SpoolerRestart.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace
{
bool OnWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// What Windows does holds on Windows; under Wine, where it is known not to, it must still not.
void ExpectAsOnWindows(bool holds, const char* what)
{
    if (OnWine())
        EXPECT_FALSE(holds) << "known Wine divergence no longer seen, assert it strictly: " << what;
    else
        EXPECT_TRUE(holds) << what;
}

// Every value and subkey under a registry key, each as path, type and bytes.
void Snapshot(HKEY key, const std::wstring& path, std::map<std::wstring, std::vector<BYTE>>& into)
{
    for (DWORD i = 0;; ++i)
    {
        wchar_t name[16384];
        DWORD nameLength = ARRAYSIZE(name);
        DWORD type = 0;
        BYTE data[4096];
        DWORD size = sizeof data;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS)
            break;
        std::vector<BYTE> entry(data, data + size);
        entry.push_back(static_cast<BYTE>(type));
        into[path + L"|" + name] = entry;
    }
    for (DWORD i = 0;; ++i)
    {
        wchar_t name[256];
        DWORD nameLength = ARRAYSIZE(name);
        if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        HKEY subkey = nullptr;
        if (RegOpenKeyExW(key, name, 0, KEY_READ, &subkey) != ERROR_SUCCESS)
            continue;
        into[path + L"\\" + name];
        Snapshot(subkey, path + L"\\" + name, into);
        RegCloseKey(subkey);
    }
}

// What the spooler keeps of a queue in the registry, read past the spooler.
std::map<std::wstring, std::vector<BYTE>> QueueRegistry()
{
    std::map<std::wstring, std::vector<BYTE>> values;
    HKEY key = nullptr;
    const std::wstring path =
        L"System\\CurrentControlSet\\Control\\Print\\Printers\\" + TestQueue();
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return values;
    Snapshot(key, L"", values);
    RegCloseKey(key);
    return values;
}

TEST(WineSpooler, AnUnknownQueueCannotBeOpenedAndSaysWhy)
{
    try
    {
        CPrinterInfo printer(L"No Such Queue");
        ADD_FAILURE() << "opened";
    }
    catch (const CPrinterInfoException& e)
    {
        EXPECT_EQ(e.error, static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME));
    }
}

TEST(WineSpooler, AnExistingQueueOpensUnderItsName)
{
    const CPrinterInfo printer(TestQueue().c_str());
    EXPECT_EQ(printer.GetPrinterName(), TestQueue());
}

TEST(WineSpooler, TheQueuesOwnPrinterDataKeyCanBeRead)
{
    const CPrinterInfo printer(TestQueue().c_str());
    const auto read = printer.ReadStored(CPrinterInfo::Setting::StatusInterval);
    ExpectAsOnWindows(read.error == ERROR_SUCCESS, "key \"\\\" reads (Wine: 161)");
}

TEST(WineSpooler, ARefusedStoreIsReportedAndLeavesNothingStored)
{
    const auto before = QueueRegistry();
    ASSERT_FALSE(before.empty()) << "the queue's registry key is not where it is looked for";
    CPrinterInfo printer(TestQueue().c_str());
    EXPECT_NE(printer.Store(700, 30000), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(QueueRegistry(), before);
}

TEST(WineServices, AnUnknownServiceCannotBeOpened)
{
    EXPECT_THROW(CService(L"NoSuchService", SERVICE_QUERY_STATUS), CServiceException);
}

TEST(WineServices, TheSpoolerStopsAndStartsWithinItsWaits)
{
    {
        CService spooler(L"Spooler", SERVICE_QUERY_STATUS | SERVICE_STOP | SERVICE_START);
        EXPECT_EQ(spooler.Start(TRUE), 0u); // running already, or started now
        const DWORD before = e2e::SpoolerProcessId();
        EXPECT_NE(before, 0u);
        EXPECT_EQ(spooler.Stop(TRUE), 0u);
        EXPECT_EQ(spooler.QueryState(), std::optional<DWORD>(SERVICE_STOPPED));
        EXPECT_EQ(spooler.Stop(TRUE), 0u); // stopped already: nothing to do
        EXPECT_EQ(spooler.Start(TRUE), 0u);
        EXPECT_NE(e2e::SpoolerProcessId(), before);
    }
    const DWORD before = e2e::SpoolerProcessId();
    EXPECT_EQ(RestartSpooler().Outcome(), RestartOutcome::Restarted);
    EXPECT_NE(e2e::SpoolerProcessId(), before);
}

TEST(WineServices, ASpoolerThatCannotStartAgainIsReportedAsStopped)
{
    ASSERT_TRUE(e2e::StartSpooler());
    {
        const e2e::SpoolerDisabled disabled; // the stop works, the start is refused
        ASSERT_TRUE(disabled.Applied());
        EXPECT_EQ(RestartSpooler().Outcome(), RestartOutcome::SpoolerStopped);
        EXPECT_EQ(e2e::SpoolerProcessId(), 0u);
    }
    EXPECT_NE(e2e::SpoolerProcessId(), 0u);
}
} // namespace
