// The program declares its DPI awareness before its first window, so that Windows lays its windows
// out sharp at 125-200 % scaling instead of stretching them. A window keeps the awareness its
// thread had when it was created; the awareness hook (tests/e2e/awareness) records it on each one.
//
// Wine 8 starts every program per-monitor aware, which would hide a missing declaration; with
// DpiScalingVer set under HKCU\Control Panel\Desktop it starts them unaware, as Windows does. Read
// from outside, neither a window's awareness context nor the process's awareness tells system
// awareness from none under Wine 8, hence the hook.
#include "Controls.h"
#include "Fixtures.h"
#include "ToolRun.h"
#include "Windows.h"

#include "CreationAwareness.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace e2e
{
namespace
{
bool OnWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// Known divergence: Wine 8 refuses the per-monitor v2 context (error 87), so the program falls
// back to the system DPI there; Windows 10 from version 1703 takes per-monitor v2.
DPI_AWARENESS DeclaredAwareness()
{
    return OnWine() ? DPI_AWARENESS_SYSTEM_AWARE : DPI_AWARENESS_PER_MONITOR_AWARE;
}

// A run and the first window it shows.
struct FirstWindow
{
    const char* name;
    std::vector<std::string> arguments;
    Token token;
    RunAs runAs;
    bool isDialog; // else a message box
};

// While the cases run, programs start DPI-unaware and the awareness hook is set for every program
// of the desktop; the prefix's DpiScalingVer is put back after.
class DpiAwareness : public ProgramTableTest<FirstWindow>
{
  protected:
    static void SetUpTestSuite()
    {
        DWORD value = 0;
        DWORD size = sizeof value;
        s_previous.reset();
        if (RegGetValueA(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_REG_DWORD, nullptr, &value,
                         &size) == ERROR_SUCCESS)
            s_previous = value;
        SetScalingVersion(0x1000);
        wchar_t path[MAX_PATH];
        std::wstring hookFile(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
        hookFile = hookFile.substr(0, hookFile.find_last_of(L'\\') + 1) + L"awareness-hook.dll";
        s_module = LoadLibraryW(hookFile.c_str());
        const auto hook = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void*>(GetProcAddress(s_module, "CreationAwarenessHook")));
        if (hook != nullptr)
            s_hook = SetWindowsHookExW(WH_CBT, hook, s_module, 0);
    }
    static void TearDownTestSuite()
    {
        if (s_hook != nullptr)
            UnhookWindowsHookEx(std::exchange(s_hook, nullptr));
        if (s_module != nullptr)
            FreeLibrary(std::exchange(s_module, nullptr));
        if (s_previous)
            SetScalingVersion(*s_previous);
        else
            RegDeleteKeyValueA(HKEY_CURRENT_USER, kKey, kValue);
    }
    void SetUp() override { ASSERT_NE(s_hook, nullptr) << "awareness-hook.dll not hooked in"; }

  private:
    static constexpr char kKey[] = "Control Panel\\Desktop";
    static constexpr char kValue[] = "DpiScalingVer";

    static void SetScalingVersion(DWORD value)
    {
        RegSetKeyValueA(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, &value, sizeof value);
    }

    static inline std::optional<DWORD> s_previous;
    static inline HMODULE s_module = nullptr;
    static inline HHOOK s_hook = nullptr;
};

TEST_P(DpiAwareness, IsDeclaredBeforeTheFirstWindow)
{
    const FirstWindow& row = GetParam();
    RunOptions options;
    options.token = row.token;
    options.runAs = row.runAs;
    ToolRun run(row.arguments, options);
    const MessageBoxSeen box = row.isDialog ? MessageBoxSeen() : run.WaitForMessageBox();
    const HWND window = row.isDialog ? run.Dialog() : box.window;
    ASSERT_NE(window, nullptr) << "no window";
    const auto recorded = reinterpret_cast<INT_PTR>(GetPropW(window, kCreationAwarenessProperty));
    ASSERT_NE(recorded, 0) << "the hook recorded nothing on the window";
    EXPECT_EQ(recorded - 1, DeclaredAwareness()) << "unaware is " << DPI_AWARENESS_UNAWARE;
    if (row.isDialog)
        PostClick(Controls(window).cancel);
    else
        run.Dismiss(box);
    EXPECT_NE(run.WaitForExit(), -1);
}

// The start message comes before anything else the program does; the relaunched program's first
// window is its dialog.
INSTANTIATE_TEST_SUITE_P(
    Runs, DpiAwareness,
    testing::Values(
        FirstWindow{"StartMessage", {}, Token::Driver, RunAs::Wine, false},
        FirstWindow{"Dialog", {"x", kTestQueue}, Token::Driver, RunAs::Wine, true},
        FirstWindow{"RelaunchedDialog", {"x", kTestQueue}, Token::Limited, RunAs::Consent, true}),
    RowName());
} // namespace
} // namespace e2e
