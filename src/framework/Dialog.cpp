#include "framework/Dialog.h"

#include "framework/WinApp.h"

#include <commctrl.h>

#include <utility>

INT_PTR CDialog::DoModal()
{
    // The up-down control's class must exist before the template is instantiated, or the dialog
    // silently fails to appear.
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);

    m_pendingException = nullptr;
    const HWND parent = m_pParent != nullptr ? m_pParent->GetSafeHwnd() : nullptr;
    const INT_PTR result =
        DialogBoxParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_templateId), parent,
                        &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    if (m_pendingException)
        std::rethrow_exception(std::exchange(m_pendingException, nullptr));
    return result;
}

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&)
{
    return false;
}

void CDialog::GotoDlgCtrl(const CWnd& control)
{
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control.GetSafeHwnd()), TRUE);
}

void CDialog::BeginWaitCursor()
{
    m_hRestoreCursor = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
}

void CDialog::EndWaitCursor()
{
    ::SetCursor(m_hRestoreCursor != nullptr ? m_hRestoreCursor : ::LoadCursorA(nullptr, IDC_ARROW));
    m_hRestoreCursor = nullptr;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        reinterpret_cast<CDialog*>(lParam)->m_hWnd = hWnd;
    }
    // Messages that arrive before WM_INITDIALOG have no dialog object yet.
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hWnd, DWLP_USER));
    if (dialog == nullptr)
        return FALSE;
    try
    {
        return dialog->Dispatch(message, wParam, lParam);
    }
    catch (...)
    {
        // Keep only the first: ending the dialog may run handlers that fail the same way.
        if (!dialog->m_pendingException)
            dialog->m_pendingException = std::current_exception();
        ::EndDialog(hWnd, -1);
        return TRUE;
    }
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK)
    {
        OnOK();
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
    {
        OnCancel();
        return TRUE;
    }
    INT_PTR result = TRUE;
    return OnMessage(message, wParam, lParam, result) ? result : FALSE;
}
