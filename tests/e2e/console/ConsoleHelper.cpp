// What the console program's end-to-end script needs done in the Wine prefix, on the driver's
// own pieces (queues, the spooler, the dialog worked from outside). Arguments may be in any
// script (UTF-16 command line):
//   console-helper read-dialog <SettingTool.exe, Unix path> <queue>
//       prints "enable=<0|1> interval=<text> timeout=<text>" as the dialog shows them, then Cancel
//   console-helper change-timeout <SettingTool.exe, Unix path> <queue> <text>
//       types the text into the dialog's timeout box and presses OK (which stores and restarts)
//   console-helper spooler-pid            the spooler's process id, 0 when it is not running
//   console-helper add-queues <queue>...  through Wine's own spooler (AddPrinterW)
//   console-helper delete-queues <queue>...
//   console-helper add-driver-queues <driver> <language monitor, or ""> <queue>...
//       adds the driver (on the PostScript driver's files) and queues on it, through Wine's own
//       spooler (AddPrinterDriverW, AddPrinterW)
//   console-helper spooler-disabled <program> <argument>...
//       runs the program (arguments without double quotes) with the spooler disabled, so that a
//       restart stops it and cannot start it again; exits with the program's status
#include "../driver/Prefix.h"
#include "../driver/Text.h"
#include "../driver/ToolRun.h"
#include "../driver/Wait.h"
#include "../driver/Windows.h"

#include "Queues.h"
#include "resource.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace
{
using Arguments = std::vector<std::string>;

int Usage()
{
    std::fprintf(stderr, "usage: console-helper read-dialog|change-timeout|spooler-pid|"
                         "add-queues|delete-queues|add-driver-queues|spooler-disabled ...\n");
    return 2;
}

// The program's exit statuses after OK and after Cancel.
const long kClosedWithOk = 0;
const long kClosedWithCancel = 1;

// Starts SettingTool.exe (args[0], a Unix path) for the queue args[1] as a driver's property
// page does, and works its dialog; 1 when the dialog does not come up.
int WithDialog(const Arguments& args, size_t count,
               const std::function<int(e2e::ToolRun&, HWND)>& work)
{
    if (args.size() != count)
        return Usage();
    if (!e2e::SetToolPath(args[0]))
        return 1;
    e2e::ToolRun run({"driver", args[1]});
    const HWND dialog = run.Started() ? run.Dialog() : nullptr;
    if (dialog == nullptr)
    {
        std::fprintf(stderr, "console-helper: no dialog appeared\n");
        return 1;
    }
    return work(run, dialog);
}

int ReadDialog(const Arguments& args)
{
    return WithDialog(args, 2, [](e2e::ToolRun& run, HWND dialog) {
        std::printf("enable=%d interval=%s timeout=%s\n",
                    e2e::IsChecked(GetDlgItem(dialog, IDC_BACKGROUND_ENABLE)) ? 1 : 0,
                    e2e::TextOf(GetDlgItem(dialog, IDC_INTERVAL_EDIT)).c_str(),
                    e2e::TextOf(GetDlgItem(dialog, IDC_TIMEOUT_EDIT)).c_str());
        std::fflush(stdout);
        e2e::PostClick(GetDlgItem(dialog, IDCANCEL));
        return run.WaitForExit() == kClosedWithCancel ? 0 : 1;
    });
}

int ChangeTimeout(const Arguments& args)
{
    return WithDialog(args, 3, [&](e2e::ToolRun& run, HWND dialog) {
        e2e::SetText(GetDlgItem(dialog, IDC_TIMEOUT_EDIT), args[2]);
        e2e::PostClick(GetDlgItem(dialog, IDOK));
        return run.WaitForExit(e2e::kRestartTimeoutMs) == kClosedWithOk ? 0 : 1;
    });
}

int AddQueues(const Arguments& queues)
{
    for (const std::string& queue : queues)
        if (!e2e::AddQueue(queue))
        {
            std::fprintf(stderr, "console-helper: cannot add the queue %s\n", queue.c_str());
            return 1;
        }
    return 0;
}

int AddDriverQueues(const Arguments& args)
{
    if (args.size() < 3)
        return Usage();
    DWORD error = helpers::AddDriver(e2e::Wide(args[0]), e2e::Wide(args[1]));
    for (size_t i = 2; i < args.size() && error == ERROR_SUCCESS; ++i)
        error = helpers::AddQueue(e2e::Wide(args[i]), e2e::Wide(args[0]));
    if (error != ERROR_SUCCESS)
        std::fprintf(stderr, "console-helper: cannot add the driver or its queues (error %lu)\n",
                     error);
    return error == ERROR_SUCCESS ? 0 : 1;
}

int DeleteQueues(const Arguments& queues)
{
    for (const std::string& queue : queues)
        e2e::DeleteQueue(queue);
    return 0;
}

int WithSpoolerDisabled(const Arguments& args)
{
    if (args.empty())
        return Usage();
    std::wstring commandLine;
    for (const std::string& arg : args)
        commandLine += (commandLine.empty() ? L"\"" : L" \"") + e2e::Wide(arg) + L"\"";
    const e2e::SpoolerDisabled disabled;
    if (!disabled.Applied())
    {
        std::fprintf(stderr, "console-helper: cannot disable the spooler\n");
        return 1;
    }
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    // The program writes to this helper's own standard output and error.
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process))
        return 1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
        return Usage();
    const std::string command = e2e::Utf8(argv[1]);
    Arguments args;
    for (int i = 2; i < argc; ++i)
        args.push_back(e2e::Utf8(argv[i]));
    if (command == "read-dialog")
        return ReadDialog(args);
    if (command == "change-timeout")
        return ChangeTimeout(args);
    if (command == "spooler-pid" && args.empty())
        return std::printf("%lu\n", e2e::SpoolerProcessId()) > 0 ? 0 : 1;
    if (command == "add-queues")
        return AddQueues(args);
    if (command == "delete-queues")
        return DeleteQueues(args);
    if (command == "add-driver-queues")
        return AddDriverQueues(args);
    if (command == "spooler-disabled")
        return WithSpoolerDisabled(args);
    return Usage();
}
