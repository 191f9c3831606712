#include "app/SettingToolApp.h"

#include "dialog/SettingToolDlg.h"
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
        CSettingToolDlg dialog(nullptr, &printer);
        m_pMainWnd = &dialog;
        const INT_PTR result = dialog.DoModal();
        m_pMainWnd = nullptr;
        m_exitStatus = result == IDOK ? kExitSaved : kExitCancelled;
    }
    catch (...)
    {
        // The dialog and then the queue are already closed when this runs.
        m_pMainWnd = nullptr;
        ShowError(IDS_PRINTER_NOT_ACCESSIBLE);
        m_exitStatus = kExitNoPrinter;
    }
    return FALSE;
}
