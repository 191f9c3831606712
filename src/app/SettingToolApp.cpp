#include "app/SettingToolApp.h"

#include "app/Elevation.h"
#include "app/StartDecision.h"
#include "dialog/RunSettingsDialog.h"
#include "printer/PrinterInfo.h"
#include "printer/PrinterInfoException.h"
#include "resource.h"
#include "resources/ResourceString.h"

#include <optional>
#include <string>
#include <vector>

namespace
{
// No owner: start-up has no window of its own.
void ShowError(UINT textId)
{
    MessageBoxW(nullptr, LoadResourceString(textId).c_str(),
                LoadResourceString(IDS_ERROR_CAPTION).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

// Starts this program again through the consent prompt and waits for it. The relaunched instance
// shows whatever is shown; this one only passes on its exit status, or reports that the queue
// stays out of reach when it could not be started (consent declined, or any other failure).
int Relaunch(const std::wstring& parameters)
{
    const ShellRun run = ShellExecuteAndWait(L"runas", OwnProgramPath(), parameters);
    if (run.error != ERROR_SUCCESS)
    {
        ShowError(IDS_PRINTER_NOT_ACCESSIBLE);
        return CSettingToolApp::kExitNoPrinter;
    }
    return static_cast<int>(run.exitStatus);
}
} // namespace

BOOL CSettingToolApp::InitInstance()
{
    const std::vector<std::wstring> arguments(m_argv + (m_argc > 0 ? 1 : 0), m_argv + m_argc);
    try
    {
        std::optional<CPrinterInfo> printer;
        DWORD openError = ERROR_SUCCESS;
        if (const std::wstring* queue = QueueNameArgument(arguments))
        {
            try
            {
                printer.emplace(queue->c_str());
            }
            catch (const CPrinterInfoException& failure)
            {
                openError = failure.error;
            }
        }
        const StartDecision next = DecideStart(arguments, openError, IsProcessElevated());
        switch (next.step)
        {
        case StartStep::StartMessage:
            ShowError(IDS_START_FROM_DRIVER);
            m_exitStatus = kExitWrongStart;
            break;
        case StartStep::PrinterMessage:
            ShowError(IDS_PRINTER_NOT_ACCESSIBLE);
            m_exitStatus = kExitNoPrinter;
            break;
        case StartStep::Relaunch:
            m_exitStatus = Relaunch(next.parameters);
            break;
        case StartStep::Dialog:
            m_exitStatus = RunSettingsDialog(*printer) == IDOK ? kExitSaved : kExitCancelled;
            break;
        }
    }
    catch (...)
    {
        // The dialog and then the queue are already closed when this runs.
        ShowError(IDS_PRINTER_NOT_ACCESSIBLE);
        m_exitStatus = kExitNoPrinter;
    }
    return FALSE;
}
