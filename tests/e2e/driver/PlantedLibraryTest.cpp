// The programs never load winspool.drv from their own folder or from the current folder: a marker
// DLL of that name is planted in both, with native DLLs preferred (Wine's overrides), and no run
// of the dialog or of the console loads it. Built with winspool.drv imported, the dialog program
// would load the one beside it before the system's.
#include "PlantedLibrary.h"
#include "Fixtures.h"
#include "Wait.h"
#include "app/ArgumentQuoting.h"

#include <vector>

namespace e2e
{
namespace
{
const char kConsoleProgramKey[] = "Software\\Wine\\AppDefaults\\SettingToolCmd.exe";
const char kConsoleOverridesKey[] = "Software\\Wine\\AppDefaults\\SettingToolCmd.exe\\DllOverrides";

std::string CurrentFolder()
{
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

// The programs that loaded the marker since the loads were last forgotten.
std::vector<std::string> Loads()
{
    std::vector<std::string> programs;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kPlantedLoadsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return programs;
    for (DWORD i = 0;; ++i)
    {
        wchar_t name[MAX_PATH];
        DWORD length = MAX_PATH;
        if (RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        programs.push_back(Utf8(std::wstring(name, length)));
    }
    RegCloseKey(key);
    return programs;
}

void ForgetLoads()
{
    RegDeleteKeyW(HKEY_CURRENT_USER, kPlantedLoadsKey);
}

// SettingToolCmd.exe, beside the dialog program, with its output discarded; its exit status, or
// -1 when it did not end in time.
long RunConsole(const std::vector<std::string>& arguments)
{
    std::vector<std::wstring> wide;
    for (const std::string& argument : arguments)
        wide.push_back(Wide(argument));
    std::wstring commandLine =
        QuoteArgument(Wide(BesideTheTool("SettingToolCmd.exe"))) + L" " + QuoteArguments(wide);
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    const HANDLE nul =
        CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = nul;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(nul);
    if (!started)
        return -1;
    CloseHandle(process.hThread);
    DWORD status = 0;
    if (WaitForSingleObject(process.hProcess, ToolRun::kDefaultExitTimeoutMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process.hProcess, &status))
        status = static_cast<DWORD>(-1);
    CloseHandle(process.hProcess);
    return static_cast<long>(status);
}

struct PlantedRun
{
    const char* name;
    void (*run)();
};

class PlantedLibrary : public ProgramTableTest<PlantedRun>
{
  protected:
    static void SetUpTestSuite()
    {
        s_planted = {BesideTheTool("winspool.drv"), CurrentFolder() + "\\winspool.drv"};
        for (const std::string& path : s_planted)
            CopyFileA(g_plantedLibrary.c_str(), path.c_str(), FALSE);
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kConsoleOverridesKey, 0, nullptr, 0, KEY_SET_VALUE,
                            nullptr, &key, nullptr) == ERROR_SUCCESS)
        {
            RegSetValueExA(key, "winspool.drv", 0, REG_SZ, reinterpret_cast<const BYTE*>("native"),
                           sizeof "native");
            RegCloseKey(key);
        }
    }

    static void TearDownTestSuite()
    {
        for (const std::string& path : s_planted)
            DeleteFileA(path.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, kConsoleOverridesKey);
        RegDeleteKeyA(HKEY_CURRENT_USER, kConsoleProgramKey);
        ForgetLoads();
    }

    void SetUp() override
    {
        ASSERT_FALSE(g_plantedLibrary.empty()) << "the driver was given no --planted marker";
        for (const std::string& path : s_planted)
            ASSERT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
        ForgetLoads();
    }

  private:
    static inline std::vector<std::string> s_planted;
};

TEST_P(PlantedLibrary, IsNeverLoaded)
{
    GetParam().run();
    EXPECT_EQ(Loads(), std::vector<std::string>{});
}

void DialogOnAQueue()
{
    const OpenDialog open;
    EXPECT_TRUE(open.Shown()) << "no dialog";
}

void DialogOnAnUnknownQueue()
{
    ToolRun run({"x", "No Such Printer"});
    const MessageBoxSeen box = run.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr) << "no message";
    run.Dismiss(box);
    EXPECT_EQ(run.WaitForExit(), 3);
}

void DialogRelaunchedAfterConsent()
{
    RunOptions options;
    options.token = Token::Limited;
    options.runAs = RunAs::Consent;
    ToolRun run({"x", kTestQueue}, options);
    const HWND dialog = run.Dialog();
    ASSERT_NE(dialog, nullptr) << "no dialog";
    EXPECT_EQ(run.Relaunches().size(), 1u);
    PostClick(Controls(dialog).cancel);
    EXPECT_EQ(run.WaitForExit(), 1);
}

void ConsoleList()
{
    EXPECT_EQ(RunConsole({"list"}), 0);
}

void ConsoleSet()
{
    EXPECT_EQ(RunConsole({"set", kTestQueue, "--timeout", "77", "--no-restart"}), 0);
    // Stored: the stand-in of the system folder answered, not the marker.
    EXPECT_EQ(StoredValue(kTestQueue, kTimeoutValue), 77000u);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, PlantedLibrary,
    testing::Values(PlantedRun{"DialogOnAQueue", DialogOnAQueue},
                    PlantedRun{"DialogOnAnUnknownQueue", DialogOnAnUnknownQueue},
                    PlantedRun{"DialogRelaunchedAfterConsent", DialogRelaunchedAfterConsent},
                    PlantedRun{"ConsoleList", ConsoleList}, PlantedRun{"ConsoleSet", ConsoleSet}),
    RowName());

// The marker does tell: a program that loads it is listed.
TEST(PlantedMarker, ListsTheProgramThatLoadsIt)
{
    ASSERT_FALSE(g_plantedLibrary.empty()) << "the driver was given no --planted marker";
    ForgetLoads();
    // Under another name: Wine would give this program its own winspool.drv for that one.
    const std::string copy = CurrentFolder() + "\\planted-marker.dll";
    ASSERT_TRUE(CopyFileA(g_plantedLibrary.c_str(), copy.c_str(), FALSE));
    const HMODULE marker = LoadLibraryA(copy.c_str());
    ASSERT_NE(marker, nullptr);
    FreeLibrary(marker);
    DeleteFileA(copy.c_str());
    wchar_t driver[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, driver, MAX_PATH);
    EXPECT_EQ(Loads(), std::vector<std::string>{Utf8(driver)});
    ForgetLoads();
}
} // namespace
} // namespace e2e
