// One run of the real SettingTool.exe, started with CreateProcessW as a printer driver's
// property page would start it (arguments are UTF-8 here), and the instance it may start again
// through the consent prompt. The destructor ends what is still going, so that a failed test
// leaves no window behind.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e
{
enum class Store
{
    StandIn,     // the printer-data stand-in of the system folder (values kept in the registry)
    WineSpooler, // Wine's own spooler, which refuses the key "\"
};

enum class Token
{
    Driver,  // the driver's own: elevated, as every plain Wine process is
    Limited, // the driver's linked token: not elevated, as a filtered administrator's
};

// Who answers the program's "runas".
enum class RunAs
{
    Wine,    // Wine's own shell, which starts the program unchanged (still limited)
    Consent, // the stand-in shell: consent given, the program starts with the full token
    Decline, // the stand-in shell: the prompt declined (ERROR_CANCELLED)
};

struct RunOptions
{
    Store store = Store::StandIn;
    // "<value name>:<error>": the stand-in's SetPrinterDataExW of that value fails so.
    std::string failStore;
    Token token = Token::Driver;
    RunAs runAs = RunAs::Wine;
};

struct MessageBoxSeen
{
    HWND window = nullptr;
    std::string caption;
    std::string text;
};

// The Windows name of a file given by its Unix path; "" outside Wine or for a path Wine cannot
// name.
std::string DosPath(const std::string& unixPath);

// The program under test and the queue the tests work on; set once by main.
// SetToolPath fails (false) outside Wine or for a path Wine cannot name.
bool SetToolPath(const std::string& unixPath);
// A file built beside the program: the shell and service stand-ins of tests/standin.
std::string BesideTheTool(const std::string& file);
// The marker DLL that is planted as winspool.drv (tests/standin/PlantedLibrary.h), when main was
// given one; else "".
extern std::string g_plantedLibrary;
extern const char kTestQueue[];

// The running processes that process started.
std::vector<DWORD> ChildProcesses(DWORD parent);

class ToolRun
{
  public:
    explicit ToolRun(const std::vector<std::string>& arguments, const RunOptions& options = {});
    ~ToolRun();
    ToolRun(const ToolRun&) = delete;
    ToolRun& operator=(const ToolRun&) = delete;

    bool Started() const { return m_process != nullptr; }
    DWORD ProcessId() const { return m_processId; }
    // The running programs that this run has started (its relaunch through "runas").
    std::vector<DWORD> Relaunches() const;
    bool Running() const;
    // The settings dialog once it is visible; null if it does not come up in time.
    HWND Dialog();
    // A visible message box of the program (not the dialog); window null if none comes up.
    MessageBoxSeen WaitForMessageBox();
    // Clicks the box's OK and waits for it to go.
    bool Dismiss(const MessageBoxSeen& box);
    // The exit status, or -1 if the program is still running after timeoutMs.
    long WaitForExit(DWORD timeoutMs = kDefaultExitTimeoutMs);
    // Top-level windows the program and its relaunch have shown (for checking that no dialog
    // appeared).
    std::vector<HWND> VisibleWindows() const;

    static const DWORD kDefaultExitTimeoutMs = 10000;

  private:
    HANDLE m_process = nullptr;
    DWORD m_processId = 0;
    HWND m_dialog = nullptr;
};
} // namespace e2e
