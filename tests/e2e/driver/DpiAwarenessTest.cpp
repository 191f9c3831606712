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

// Programs started while it lives start DPI-unaware; the prefix's setting is put back after.
class UnawareStarts
{
  public:
    UnawareStarts()
    {
        DWORD value = 0;
        DWORD size = sizeof value;
        if (RegGetValueA(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_REG_DWORD, nullptr, &value,
                         &size) == ERROR_SUCCESS)
            m_previous = value;
        Set(kScalingVersion);
    }
    ~UnawareStarts()
    {
        if (m_previous)
            Set(*m_previous);
        else
            RegDeleteKeyValueA(HKEY_CURRENT_USER, kKey, kValue);
    }
    UnawareStarts(const UnawareStarts&) = delete;
    UnawareStarts& operator=(const UnawareStarts&) = delete;

  private:
    static constexpr char kKey[] = "Control Panel\\Desktop";
    static constexpr char kValue[] = "DpiScalingVer";
    static constexpr DWORD kScalingVersion = 0x1000;

    static void Set(DWORD value)
    {
        RegSetKeyValueA(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, &value, sizeof value);
    }

    std::optional<DWORD> m_previous;
};

// The awareness hook, set for every program of the desktop while it lives.
class AwarenessHook
{
  public:
    AwarenessHook() : m_module(LoadLibraryW(BesideThisProgram(L"awareness-hook.dll").c_str()))
    {
        const auto hook = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void*>(GetProcAddress(m_module, "CreationAwarenessHook")));
        if (hook != nullptr)
            m_hook = SetWindowsHookExW(WH_CBT, hook, m_module, 0);
    }
    ~AwarenessHook()
    {
        if (m_hook != nullptr)
            UnhookWindowsHookEx(m_hook);
        if (m_module != nullptr)
            FreeLibrary(m_module);
    }
    AwarenessHook(const AwarenessHook&) = delete;
    AwarenessHook& operator=(const AwarenessHook&) = delete;
    bool IsSet() const { return m_hook != nullptr; }

  private:
    static std::wstring BesideThisProgram(const wchar_t* file)
    {
        wchar_t path[MAX_PATH];
        const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring folder(path, length);
        return folder.substr(0, folder.find_last_of(L'\\') + 1) + file;
    }

    HMODULE m_module;
    HHOOK m_hook = nullptr;
};

// A run and the first window it shows.
struct FirstWindow
{
    const char* name;
    std::vector<std::string> arguments;
    Token token;
    RunAs runAs;
    bool isDialog; // else a message box
};

class DpiAwareness : public ProgramTableTest<FirstWindow>
{
  protected:
    static void SetUpTestSuite()
    {
        s_unaware.emplace();
        s_hook.emplace();
    }
    static void TearDownTestSuite()
    {
        s_hook.reset();
        s_unaware.reset();
    }
    void SetUp() override { ASSERT_TRUE(s_hook->IsSet()) << "awareness-hook.dll not hooked in"; }

  private:
    static inline std::optional<UnawareStarts> s_unaware;
    static inline std::optional<AwarenessHook> s_hook;
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
