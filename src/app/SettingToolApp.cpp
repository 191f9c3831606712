#include "app/SettingToolApp.h"

#include "dialog/RunSettingsDialog.h"
#include "printer/PrinterInfo.h"
#include "resource.h"
#include "resources/ResourceString.h"

namespace
{
void ShowError(UINT textId)
{
    MessageBoxA(nullptr, LoadResourceString(textId).c_str(),
                LoadResourceString(IDS_ERROR_CAPTION).c_str(), MB_OK | MB_ICONEXCLAMATION);
}
} // namespace

BOOL CSettingToolApp::InitInstance()
{
    if (m_argc != 3)
    {
        ShowError(IDS_START_FROM_DRIVER);
        m_exitStatus = kExitWrongStart;
        return FALSE;
    }
    try
    {
        CPrinterInfo printer(m_argv[2]);
        const INT_PTR result = RunSettingsDialog(printer);
        m_exitStatus = result == IDOK ? kExitSaved : kExitCancelled;
    }
    catch (...)
    {
        // The dialog and then the queue are already closed when this runs.
        ShowError(IDS_PRINTER_NOT_ACCESSIBLE);
        m_exitStatus = kExitNoPrinter;
    }
    return FALSE;
}
