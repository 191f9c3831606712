#include "dialog/SettingToolDlg.h"

#include "framework/WinApp.h"
#include "printer/PrinterInfo.h"
#include "resource.h"
#include "resources/ResourceString.h"
#include "service/SpoolerRestart.h"
#include "settings/NumberText.h"
#include "settings/SettingRanges.h"

#include <commctrl.h>

namespace
{
using settings::kIntervalMaxTenths;
using settings::kIntervalMinTenths;
using settings::kTimeoutMaxSeconds;
using settings::kTimeoutMinSeconds;

// Texts on the way to a valid number: the change routines leave them alone and OK refuses them.
bool IsUnfinishedInterval(const std::string& text)
{
    return text.empty() || text == "0" || text == "0.";
}

bool IsUnfinishedTimeout(const std::string& text)
{
    return text.size() <= 1 && (text.empty() || (text[0] >= '0' && text[0] <= '4'));
}

void SetSpinPos(CWnd* spin, short position)
{
    spin->SendMessage(UDM_SETPOS, 0, MAKELPARAM(position, 0));
}

short GetSpinPos(const CWnd* spin)
{
    return static_cast<short>(LOWORD(spin->SendMessage(UDM_GETPOS)));
}

void AttachSpin(CWnd* spin, CWnd* box, int low, int high)
{
    spin->SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(box->GetSafeHwnd()));
    spin->SendMessage(UDM_SETRANGE, 0, MAKELPARAM(high, low));
}
} // namespace

CSettingToolDlg::CSettingToolDlg(CWnd* parent, CPrinterInfo* printer)
    : CDialog(IDD_SETTINGS_DIALOG, parent),
      m_hIcon(LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      m_pPrinter(printer)
{
}

BOOL CSettingToolDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_pQueueEdit = GetDlgItem(IDC_PRINTER_QUEUE);
    m_pIntervalEdit = GetDlgItem(IDC_INTERVAL_EDIT);
    m_pEnableCheck = GetDlgItem(IDC_BACKGROUND_ENABLE);
    m_pIntervalSpin = GetDlgItem(IDC_INTERVAL_SPIN);
    m_pTimeoutEdit = GetDlgItem(IDC_TIMEOUT_EDIT);
    m_pTimeoutSpin = GetDlgItem(IDC_TIMEOUT_SPIN);

    m_pQueueEdit->SetWindowText(m_pPrinter->GetPrinterName());
    m_pEnableCheck->SendMessage(
        BM_SETCHECK, m_pPrinter->IsBackgroundStatusEnabled() ? BST_CHECKED : BST_UNCHECKED);
    OnEnableClicked();

    AttachSpin(m_pIntervalSpin, m_pIntervalEdit, kIntervalMinTenths, kIntervalMaxTenths);
    ShowInterval(MillisecondsToSeconds(m_pPrinter->GetStatusInterval()));
    AttachSpin(m_pTimeoutSpin, m_pTimeoutEdit, kTimeoutMinSeconds, kTimeoutMaxSeconds);
    ShowTimeout(MillisecondsToSeconds(m_pPrinter->GetIoTimeout()));
    return TRUE;
}

bool CSettingToolDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    switch (message)
    {
    case WM_PAINT:
        if (!IsIconic())
            return false;
        OnPaint();
        return true;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<INT_PTR>(OnQueryDragIcon());
        return true;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return false; // the default processing sees it too
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_BACKGROUND_ENABLE && HIWORD(wParam) == BN_CLICKED)
            OnEnableClicked();
        else if (LOWORD(wParam) == IDC_INTERVAL_EDIT && HIWORD(wParam) == EN_CHANGE)
            OnChangeInterval();
        else if (LOWORD(wParam) == IDC_TIMEOUT_EDIT && HIWORD(wParam) == EN_CHANGE)
            OnChangeTimeout();
        else
            return false;
        return true;
    default:
        return false;
    }
}

void CSettingToolDlg::OnPaint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(m_hWnd, &paint);
}

HCURSOR CSettingToolDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

void CSettingToolDlg::OnEnableClicked()
{
    const bool checked = m_pEnableCheck->SendMessage(BM_GETCHECK) != BST_UNCHECKED;
    m_pIntervalEdit->EnableWindow(checked);
    m_pIntervalSpin->EnableWindow(checked);
    if (!checked)
        return;
    // Switching on shows what is stored, not what was typed before switching off.
    const DWORD stored = m_pPrinter->GetStatusInterval();
    if (stored == 0)
    {
        SetSpinPos(m_pIntervalSpin, 5);
        m_pIntervalEdit->SetWindowText("0.5");
    }
    else
    {
        ShowInterval(MillisecondsToSeconds(stored));
    }
}

void CSettingToolDlg::ShowInterval(float seconds)
{
    SetSpinPos(m_pIntervalSpin,
               ClampedPosition(seconds * 10.0, kIntervalMinTenths, kIntervalMaxTenths));
    m_pIntervalEdit->SetWindowText(FormatFixed(seconds, 1));
}

void CSettingToolDlg::ShowTimeout(float seconds)
{
    SetSpinPos(m_pTimeoutSpin, ClampedPosition(seconds, kTimeoutMinSeconds, kTimeoutMaxSeconds));
    m_pTimeoutEdit->SetWindowText(FormatFixed(seconds, 0));
}

void CSettingToolDlg::OnVScroll(UINT code, UINT position, HWND scrollBar)
{
    if (code != SB_THUMBPOSITION)
        return;
    if (scrollBar == m_pIntervalSpin->GetSafeHwnd())
        m_pIntervalEdit->SetWindowText(FormatFixed(static_cast<short>(position) * 0.1, 1));
    else if (scrollBar == m_pTimeoutSpin->GetSafeHwnd())
        m_pTimeoutEdit->SetWindowText(FormatFixed(static_cast<short>(position), 0));
}

void CSettingToolDlg::OnChangeInterval()
{
    const std::string text = m_pIntervalEdit->GetWindowText();
    if (IsUnfinishedInterval(text))
        return;
    // Each replacement below runs this routine again, nested, which sets the spin to match it.
    if (text.find_first_not_of("0123456789.") != std::string::npos)
    {
        m_pIntervalEdit->SetWindowText("0.5");
        return;
    }
    const double value = ParseDecimal(text);
    if (value > 240.0)
        m_pIntervalEdit->SetWindowText("240.0");
    if (value < 0.1)
    {
        m_pIntervalEdit->SetWindowText("0.5");
        return;
    }
    SetSpinPos(m_pIntervalSpin,
               ClampedPosition(value * 10.0, kIntervalMinTenths, kIntervalMaxTenths));
}

void CSettingToolDlg::OnChangeTimeout()
{
    const std::string text = m_pTimeoutEdit->GetWindowText();
    if (IsUnfinishedTimeout(text))
        return;
    if (text.find_first_not_of("0123456789") != std::string::npos)
    {
        m_pTimeoutEdit->SetWindowText("5");
        SetSpinPos(m_pTimeoutSpin, kTimeoutMinSeconds);
        return;
    }
    const double value = ParseDecimal(text);
    if (value > 600.0)
    {
        m_pTimeoutEdit->SetWindowText("600");
        SetSpinPos(m_pTimeoutSpin, kTimeoutMaxSeconds);
    }
    if (value < 5.0)
    {
        m_pTimeoutEdit->SetWindowText("5");
        SetSpinPos(m_pTimeoutSpin, kTimeoutMinSeconds);
    }
    SetSpinPos(m_pTimeoutSpin, ClampedPosition(value, kTimeoutMinSeconds, kTimeoutMaxSeconds));
}

void CSettingToolDlg::OnOK()
{
    const bool enabled = m_pEnableCheck->SendMessage(BM_GETCHECK) != BST_UNCHECKED;
    // With Enable clear the interval stored is 0 whatever the box holds, so its text is not
    // checked; a disabled box could not take the focus anyway.
    if (enabled && IsUnfinishedInterval(m_pIntervalEdit->GetWindowText()))
    {
        FocusAndSelect(m_pIntervalEdit);
        return;
    }
    // Both boxes are checked before anything is stored, so a refusal stores nothing.
    if (IsUnfinishedTimeout(m_pTimeoutEdit->GetWindowText()))
    {
        FocusAndSelect(m_pTimeoutEdit);
        return;
    }
    const DWORD interval =
        enabled ? static_cast<DWORD>(GetSpinPos(m_pIntervalSpin)) * settings::kMillisecondsPerTenth
                : 0;
    const DWORD timeout =
        static_cast<DWORD>(GetSpinPos(m_pTimeoutSpin)) * settings::kMillisecondsPerSecond;
    if (m_pPrinter->SetSettings(interval, timeout) != ERROR_SUCCESS)
    {
        ShowMessage(IDS_SAVE_FAILED);
        return;
    }

    BeginWaitCursor();
    const RestartOutcome outcome = RestartSpooler();
    EndWaitCursor();
    if (outcome == RestartOutcome::SpoolerStopped)
        ShowMessage(IDS_SPOOLER_STOPPED);
    else if (outcome == RestartOutcome::Failed)
        ShowMessage(IDS_RESTART_FAILED);
    CDialog::OnOK();
}

void CSettingToolDlg::OnCancel()
{
    CDialog::OnCancel();
}

void CSettingToolDlg::FocusAndSelect(CWnd* box)
{
    GotoDlgCtrl(box);
    box->SendMessage(EM_SETSEL, 0, -1);
    box->SendMessage(EM_SCROLLCARET);
}

void CSettingToolDlg::ShowMessage(UINT textId)
{
    MessageBoxA(m_hWnd, LoadResourceString(textId).c_str(),
                LoadResourceString(IDS_ERROR_CAPTION).c_str(), MB_OK | MB_ICONEXCLAMATION);
}
