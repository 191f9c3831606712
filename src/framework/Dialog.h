#pragma once

#include "framework/Wnd.h"

#include <exception>
#include <map>
#include <utility>

// A modal dialog built on a dialog template. One dialog procedure dispatches to the virtual
// handlers; an exception thrown in a handler ends the dialog and is rethrown by DoModal, since
// it cannot pass through the window manager's frames.
class CDialog : public CWnd
{
  public:
    CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParent(parent) {}

    // Runs the dialog until a handler ends it; returns the value given to EndDialog, or -1 when
    // the dialog could not be created.
    INT_PTR DoModal();

    // The window object of a control. It belongs to the dialog and stays valid while the
    // dialog object lives.
    CWnd* GetDlgItem(int id);

  protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    // The message map of a derived dialog. Returns true when the message was handled, with the
    // dialog procedure's result in result; false leaves it to the default processing.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    void EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }
    // Moves the focus to a control the way the Tab key does (an edit box gets its text selected).
    void GotoDlgCtrl(CWnd* control);
    void BeginWaitCursor();
    void EndWaitCursor();

  private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    CWnd* m_pParent;
    std::map<int, CWnd> m_items;
    std::exception_ptr m_pendingException;
    HCURSOR m_hRestoreCursor = nullptr;
};
