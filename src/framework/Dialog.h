#pragma once

#include "framework/Wnd.h"

#include <exception>
#include <functional>

// A modal dialog built on a dialog template, a Unicode window like its controls. One dialog
// procedure dispatches to the virtual handlers; an exception thrown in a handler ends the dialog
// and is rethrown by DoModal, since it cannot pass through the window manager's frames.
class CDialog : public CWnd
{
  public:
    CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParent(parent) {}

    // Runs the dialog until a handler ends it; returns the value given to EndDialog, or -1 when
    // the dialog could not be created.
    INT_PTR DoModal();

    // A window object for one of the dialog's controls, for the calls at hand.
    CWnd GetDlgItem(int id) const { return CWnd(::GetDlgItem(m_hWnd, id)); }

  protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    // The message map of a derived dialog. Returns true when the message was handled, with the
    // dialog procedure's result in result (TRUE unless the handler sets another, as for
    // WM_QUERYDRAGICON); false leaves it to the default processing.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    void EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }
    // Moves the focus to a control the way the Tab key does (an edit box gets its text selected).
    void GotoDlgCtrl(const CWnd& control);
    // Runs work to its end on a thread of its own while this one keeps taking the dialog's
    // messages, with caption as the dialog's caption and the wait cursor over it. The dialog is
    // disabled meanwhile, and OK and Cancel (which a close may still send) are refused, as is a
    // sign-out or shutdown, with caption as the reason Windows shows; one that goes ahead anyway
    // is held until work is over. An exception from work is rethrown here.
    void RunBusy(const wchar_t* caption, const std::function<void()>& work);

  private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    CWnd* m_pParent;
    std::exception_ptr m_pendingException;
    bool m_busy = false;
    HANDLE m_busyThread = nullptr; // the thread running RunBusy's work, while there is one
};
