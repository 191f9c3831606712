#include "dialog/SettingToolWnd.h"

#include "dialog/RowLabelWindow.h"
#include "dialog/RunSettingsDialog.h"
#include "dialog/SettingToolDlg.h"
#include "framework/AccessibleName.h"
#include "framework/WinApp.h"
#include "resource.h"

#include <commctrl.h>

namespace
{
// Screen readers name an input after the text that precedes it in the template's order, which
// is also the order of Tab and of the arrow keys' groups and so stays as it is. There the interval
// box follows the Enable check box, and a spin reads as its own text ("Spin1"): these read as the
// label on their box's row instead.
struct NamedInput
{
    int id;
    int boxId;
};
constexpr NamedInput kNamedInputs[] = {{IDC_INTERVAL_EDIT, IDC_INTERVAL_EDIT},
                                       {IDC_INTERVAL_SPIN, IDC_INTERVAL_EDIT},
                                       {IDC_TIMEOUT_SPIN, IDC_TIMEOUT_EDIT}};
} // namespace

CSettingToolWnd::CSettingToolWnd(CWnd* parent)
    : CDialog(IDD_SETTINGS_DIALOG, parent),
      m_hIcon(LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME)))
{
}

INT_PTR CSettingToolWnd::DoModal(CDialogEvents& events)
{
    m_pEvents = &events;
    return CDialog::DoModal();
}

BOOL CSettingToolWnd::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    for (const NamedInput& input : kNamedInputs)
    {
        if (const HWND label = RowLabelWindow(GetDlgItem(input.boxId).GetSafeHwnd()))
            NameAfterLabel(GetDlgItem(input.id).GetSafeHwnd(), label);
    }
    return m_pEvents->OnInitDialog();
}

void CSettingToolWnd::OnOK()
{
    m_pEvents->OnOK();
}

void CSettingToolWnd::OnCancel()
{
    m_pEvents->OnCancel();
}

bool CSettingToolWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result)
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
        m_pEvents->OnVScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)),
                             ::GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
        return false; // the default processing sees it too
    case WM_COMMAND:
        m_pEvents->OnCommand(LOWORD(wParam), HIWORD(wParam));
        return true;
    default:
        return false;
    }
}

void CSettingToolWnd::OnPaint()
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

HCURSOR CSettingToolWnd::OnQueryDragIcon()
{
    return m_hIcon;
}

std::wstring CSettingToolWnd::GetText(int id) const
{
    return GetDlgItem(id).GetWindowText();
}

void CSettingToolWnd::SetText(int id, const std::wstring& text)
{
    GetDlgItem(id).SetWindowText(text.c_str());
}

void CSettingToolWnd::Enable(int id, bool enable)
{
    GetDlgItem(id).EnableWindow(enable);
}

bool CSettingToolWnd::IsChecked(int id) const
{
    return GetDlgItem(id).SendMessage(BM_GETCHECK) != BST_UNCHECKED;
}

void CSettingToolWnd::SetCheck(int id, bool checked)
{
    GetDlgItem(id).SendMessage(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

void CSettingToolWnd::AttachSpin(int spinId, int boxId)
{
    GetDlgItem(spinId).SendMessage(UDM_SETBUDDY,
                                   reinterpret_cast<WPARAM>(GetDlgItem(boxId).GetSafeHwnd()));
}

void CSettingToolWnd::SetSpinRange(int spinId, int minimum, int maximum)
{
    GetDlgItem(spinId).SendMessage(UDM_SETRANGE, 0, MAKELPARAM(maximum, minimum));
}

void CSettingToolWnd::SetSpinPos(int spinId, int position)
{
    GetDlgItem(spinId).SendMessage(UDM_SETPOS, 0, MAKELPARAM(position, 0));
}

short CSettingToolWnd::GetSpinPos(int spinId) const
{
    // Without UDS_SETBUDDYINT Wine sets the high word (the error flag): only the low word counts.
    return static_cast<short>(LOWORD(GetDlgItem(spinId).SendMessage(UDM_GETPOS)));
}

void CSettingToolWnd::FocusAndSelect(int boxId)
{
    const CWnd box = GetDlgItem(boxId);
    GotoDlgCtrl(box);
    box.SendMessage(EM_SETSEL, 0, -1);
    box.SendMessage(EM_SCROLLCARET);
}

void CSettingToolWnd::ShowMessage(const std::wstring& text, const std::wstring& caption)
{
    MessageBoxW(m_hWnd, text.c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

bool CSettingToolWnd::Ask(const std::wstring& text, const std::wstring& caption)
{
    return MessageBoxW(m_hWnd, text.c_str(), caption.c_str(),
                       MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

INT_PTR RunSettingsDialog(CPrinterInfo& printer)
{
    CSettingToolWnd window(nullptr);
    CSettingToolDlg dialog(window, &printer);
    // The dialog is the application's main window while it runs, and no longer, however it ends.
    struct MainWindow
    {
        CWinApp* app;
        ~MainWindow()
        {
            if (app != nullptr)
                app->m_pMainWnd = nullptr;
        }
    } mainWindow{AfxGetApp()};
    if (mainWindow.app != nullptr)
        mainWindow.app->m_pMainWnd = &window;
    return window.DoModal(dialog);
}
