// The printer-data stand-in itself, called directly: the end-to-end cases trust it to answer as
// the Windows spooler does. A copy of the one in the system folder is loaded under another name,
// since Wine would hand out its own winspool.drv for that name.
#include "Prefix.h"
#include "ToolRun.h"

#include <winspool.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e
{
namespace
{
const char kScratchValue[] = "E2EScratch";
const wchar_t kScratchValueW[] = L"E2EScratch";
const wchar_t kScratchKey[] = L"E2E Scratch";
const char kPrinterKey[] = "System\\CurrentControlSet\\Control\\Print\\Printers\\E2E Printer";

class StandIn : public testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        char system[MAX_PATH] = "";
        GetSystemDirectoryA(system, sizeof system);
        const std::string dll = std::string(system) + "\\winspool.drv";
        char directory[MAX_PATH] = "";
        GetTempPathA(sizeof directory, directory);
        s_copy = std::string(directory) + "e2e-standin.dll";
        CopyFileA(dll.c_str(), s_copy.c_str(), FALSE);
        s_module = LoadLibraryA(s_copy.c_str());
        open = Function<decltype(&OpenPrinterW)>("OpenPrinterW");
        close = Function<decltype(&ClosePrinter)>("ClosePrinter");
        get = Function<decltype(&GetPrinterDataExW)>("GetPrinterDataExW");
        set = Function<decltype(&SetPrinterDataExW)>("SetPrinterDataExW");
        remove = Function<decltype(&DeletePrinterDataExW)>("DeletePrinterDataExW");
    }

    static void TearDownTestSuite()
    {
        if (s_module != nullptr)
            FreeLibrary(s_module);
        DeleteFileA(s_copy.c_str());
    }

    void SetUp() override
    {
        ASSERT_NE(s_module, nullptr) << "cannot load " << s_copy;
        // Full access, as printer data is changed only through a handle that may administer.
        wchar_t queue[] = L"E2E Printer";
        PRINTER_DEFAULTSW full = {nullptr, nullptr, PRINTER_ALL_ACCESS};
        ASSERT_TRUE(open(queue, &m_printer, &full));
    }

    void TearDown() override
    {
        SetEnvironmentVariableA("SETTINGTOOL_FAIL_STORE", nullptr);
        if (m_printer != nullptr)
            close(m_printer);
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPrinterKey, 0, KEY_ALL_ACCESS, &key) == 0)
        {
            RegDeleteValueA(key, kScratchValue);
            RegDeleteTreeW(key, kScratchKey);
            RegCloseKey(key);
        }
    }

    DWORD SetDword(const wchar_t* key, DWORD value)
    {
        return set(m_printer, key, kScratchValueW, REG_DWORD, reinterpret_cast<LPBYTE>(&value),
                   sizeof value);
    }

    template <typename F> static F Function(const char* name)
    {
        return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(s_module, name)));
    }

    static inline std::string s_copy;
    static inline HMODULE s_module = nullptr;
    static inline decltype(&OpenPrinterW) open = nullptr;
    static inline decltype(&ClosePrinter) close = nullptr;
    static inline decltype(&GetPrinterDataExW) get = nullptr;
    static inline decltype(&SetPrinterDataExW) set = nullptr;
    static inline decltype(&DeletePrinterDataExW) remove = nullptr;
    HANDLE m_printer = nullptr;
};

TEST_F(StandIn, OpensOnlyTheQueuesOfThePrefix)
{
    for (const wchar_t* name : {L"No Such Printer", L"", L"E2E Printer\\PrinterDriverData"})
    {
        std::wstring queue = name;
        HANDLE printer = reinterpret_cast<HANDLE>(1);
        SetLastError(0);
        EXPECT_FALSE(open(queue.data(), &printer, nullptr)) << '"' << name << '"';
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME)) << name;
        EXPECT_EQ(printer, nullptr) << name;
    }
}

TEST_F(StandIn, RefusesAClosedHandle)
{
    ASSERT_TRUE(close(m_printer));
    const HANDLE closed = m_printer;
    m_printer = nullptr;
    SetLastError(0);
    EXPECT_FALSE(close(closed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    DWORD needed = 0;
    BYTE data[4];
    EXPECT_EQ(get(closed, L"\\", kScratchValueW, nullptr, data, sizeof data, &needed),
              static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(StandIn, ReadsWhatItStoresUnderTheQueueKey)
{
    DWORD type = 0;
    DWORD needed = 0;
    DWORD value = 0;
    auto* data = reinterpret_cast<LPBYTE>(&value);
    EXPECT_EQ(get(m_printer, L"\\", kScratchValueW, &type, data, sizeof value, &needed),
              static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    ASSERT_EQ(SetDword(L"\\", 700), 0u);
    EXPECT_EQ(StoredValue(kTestQueue, kScratchValue), 700u) << "not under the queue's own key";

    EXPECT_EQ(get(m_printer, L"\\", kScratchValueW, &type, data, sizeof value, &needed), 0u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(needed, 4u);
    EXPECT_EQ(value, 700u);

    value = 0;
    EXPECT_EQ(get(m_printer, L"\\", kScratchValueW, nullptr, data, sizeof value, &needed), 0u)
        << "no type wanted";
    EXPECT_EQ(value, 700u);

    needed = 0;
    EXPECT_EQ(get(m_printer, L"\\", kScratchValueW, nullptr, data, 2, &needed),
              static_cast<DWORD>(ERROR_MORE_DATA));
    EXPECT_EQ(needed, 4u);
}

TEST_F(StandIn, KeepsOtherKeysApart)
{
    const std::wstring key = std::wstring(kScratchKey) + L"\\Sub";
    wchar_t text[] = L"abc";
    ASSERT_EQ(set(m_printer, key.c_str(), kScratchValueW, REG_SZ, reinterpret_cast<LPBYTE>(text),
                  sizeof text),
              0u);
    wchar_t read[8] = L"";
    DWORD type = 0;
    DWORD needed = 0;
    EXPECT_EQ(get(m_printer, key.c_str(), kScratchValueW, &type, reinterpret_cast<LPBYTE>(read),
                  sizeof read, &needed),
              0u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(read, L"abc");
    EXPECT_EQ(StoredValue(kTestQueue, kScratchValue), std::nullopt) << "leaked into key \"\\\"";
}

TEST_F(StandIn, DeletesAValueAndSaysWhenThereIsNone)
{
    ASSERT_EQ(SetDword(L"\\", 700), 0u);
    EXPECT_EQ(remove(m_printer, L"\\", kScratchValueW), 0u);
    EXPECT_EQ(StoredValue(kTestQueue, kScratchValue), std::nullopt);
    EXPECT_EQ(remove(m_printer, L"\\", kScratchValueW), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(StandIn, ListsTheQueuesOfThePrefixWithTheirDrivers)
{
    const auto enumerate = Function<decltype(&EnumPrintersW)>("EnumPrintersW");
    DWORD needed = 0;
    DWORD returned = 0;
    EXPECT_FALSE(enumerate(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &returned));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    std::vector<BYTE> buffer(needed);
    ASSERT_TRUE(
        enumerate(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &returned));
    const auto* records = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    std::wstring driver;
    for (DWORD i = 0; i < returned; ++i)
        if (std::wstring(records[i].pPrinterName) == L"E2E Printer")
            driver = records[i].pDriverName;
    EXPECT_EQ(driver, L"Wine PostScript Driver") << returned << " queues listed";
}

TEST_F(StandIn, FailsTheStoreItIsToldToFail)
{
    ASSERT_EQ(SetDword(L"\\", 700), 0u);
    SetEnvironmentVariableA("SETTINGTOOL_FAIL_STORE", "E2EScratch:1234");
    EXPECT_EQ(SetDword(L"\\", 800), 1234u);
    EXPECT_EQ(StoredValue(kTestQueue, kScratchValue), 700u);
    SetEnvironmentVariableA("SETTINGTOOL_FAIL_STORE", "OtherValue:1234");
    EXPECT_EQ(SetDword(L"\\", 900), 0u);
    EXPECT_EQ(StoredValue(kTestQueue, kScratchValue), 900u);
}
} // namespace
} // namespace e2e
