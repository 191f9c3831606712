#include "framework/Dialog.h"

#include "framework/WinApp.h"
#include "handles/KernelHandle.h"

#include <commctrl.h>

#include <optional>
#include <utility>

namespace
{
HCURSOR WaitCursor()
{
    return ::LoadCursorA(nullptr, IDC_WAIT);
}

// The work of a busy dialog, handed to its thread.
struct BusyWork
{
    const std::function<void()>& work;
    std::exception_ptr failure;
};

DWORD WINAPI RunBusyWork(void* parameter)
{
    auto* busy = static_cast<BusyWork*>(parameter);
    try
    {
        busy->work();
    }
    catch (...)
    {
        busy->failure = std::current_exception();
    }
    return 0;
}

// Dispatches this thread's messages, sent and posted, as they come until the object is
// signalled. A WM_QUIT is left for the loop that runs the thread.
void DispatchUntilSignalled(HANDLE object)
{
    std::optional<WPARAM> quit;
    // MWMO_INPUTAVAILABLE: also wake for input already queued when the wait begins (behind the
    // click that started the work, say). The last look at the queue counts it as seen, and without
    // the flag it would wait for the next new message.
    while (::MsgWaitForMultipleObjectsEx(1, &object, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
           WAIT_OBJECT_0 + 1)
    {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            if (message.message == WM_QUIT)
            {
                quit = message.wParam;
                continue;
            }
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    // Also after a failed wait: the work must be over before its data goes.
    ::WaitForSingleObject(object, INFINITE);
    if (quit)
        ::PostQuitMessage(static_cast<int>(*quit));
}
} // namespace

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

void CDialog::RunBusy(const wchar_t* caption, const std::function<void()>& work)
{
    // The work (a spooler restart) blocks for seconds: on this thread the dialog would stop
    // painting, Windows would call it not responding after 5 s and offer to close it halfway.
    // So a second thread does the work while this one dispatches the dialog's messages; the
    // hand-over back is the thread's end.
    const std::wstring savedCaption = GetWindowText();
    SetWindowText(caption);
    // The reason Windows shows for the sign-out or shutdown that Dispatch refuses meanwhile.
    ::ShutdownBlockReasonCreate(m_hWnd, caption);
    const bool wasDisabled = EnableWindow(false);
    m_busy = true;
    const HCURSOR savedCursor = ::SetCursor(WaitCursor());
    BusyWork busy{work, nullptr};
    const CKernelHandle thread(::CreateThread(nullptr, 0, &RunBusyWork, &busy, 0, nullptr));
    if (thread)
    {
        m_busyThread = thread.get();
        DispatchUntilSignalled(thread.get());
        m_busyThread = nullptr;
    }
    else
        RunBusyWork(&busy); // without a thread the work is still done, only the dialog waits
    ::SetCursor(savedCursor);
    m_busy = false;
    EnableWindow(!wasDisabled);
    ::ShutdownBlockReasonDestroy(m_hWnd);
    SetWindowText(savedCaption.c_str());
    if (busy.failure)
        std::rethrow_exception(busy.failure);
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
    if (m_busy && message == WM_SETCURSOR)
    {
        // Sent to the disabled dialog too; TRUE keeps the controls from setting their own.
        ::SetCursor(WaitCursor());
        SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    if (m_busy && message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
        return TRUE;
    if (m_busy && message == WM_QUERYENDSESSION)
    {
        // The work must not be cut off halfway (a restart between its stop and its start).
        SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, FALSE);
        return TRUE;
    }
    if (message == WM_ENDSESSION && wParam && m_busyThread != nullptr)
    {
        // The session ends anyway, and the process may be ended as soon as this returns: so not
        // before the work is over. The work's thread never touches a window, so waiting for it
        // here, without taking messages, cannot deadlock.
        ::WaitForSingleObject(m_busyThread, INFINITE);
    }
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
