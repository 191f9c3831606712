#pragma once

#include <functional>
#include <string>
#include <windows.h>

// The control operations the settings dialog's logic is written against, each naming its control
// by id, and what the logic relies on from each. On Windows they are the real controls of
// template 102 (CSettingToolWnd); the Linux tests run the logic on in-memory ones. The same
// contract cases run against both.
class CDialogControls
{
  public:
    // The control's whole text, UTF-16, however long.
    virtual std::wstring GetText(int id) const = 0;
    // Replaces the text exactly. For an edit box the change is reported at once: the box's change
    // routine runs to completion before this returns, also for equal text and for a disabled or
    // read-only box, and a text set inside the routine runs it again, nested.
    virtual void SetText(int id, const std::wstring& text) = 0;
    // A disabled box or spin keeps its text and position.
    virtual void Enable(int id, bool enable) = 0;
    virtual bool IsChecked(int id) const = 0;
    // Raises no click notification.
    virtual void SetCheck(int id, bool checked) = 0;
    // The spin sits at the box's right edge from now on, and the box's Up and Down keys move it.
    virtual void AttachSpin(int spinId, int boxId) = 0;
    virtual void SetSpinRange(int spinId, int minimum, int maximum) = 0;
    // The spin takes the low 16 bits of position as a signed number, then the nearest bound of
    // its range for a number outside it. Raises no scroll notification.
    virtual void SetSpinPos(int spinId, int position) = 0;
    virtual short GetSpinPos(int spinId) const = 0;
    // Gives the box the focus with all its text selected.
    virtual void FocusAndSelect(int boxId) = 0;
    // An OK message box with the exclamation icon, owned by the dialog; returns once it is closed.
    virtual void ShowMessage(const std::wstring& text, const std::wstring& caption) = 0;
    // A Yes/No question box with the warning icon and No the default button, owned by the
    // dialog; returns once it is closed, true when the answer is Yes.
    virtual bool Ask(const std::wstring& text, const std::wstring& caption) = 0;
    // Runs work to its end while the dialog shows status as its caption and the wait cursor over
    // it. Meanwhile it paints and answers messages, but no key, click or close reaches it, and
    // OK and Cancel are refused. An exception from work is thrown on from here.
    virtual void RunBusy(const std::wstring& status, const std::function<void()>& work) = 0;
    // Ends the dialog with result (IDOK or IDCANCEL) once the handler that asks returns.
    virtual void Close(int result) = 0;

  protected:
    ~CDialogControls() = default;
};

// What the controls report to the dialog's logic: on the thread that works them, as it happens.
class CDialogEvents
{
  public:
    // The controls exist. TRUE leaves the focus to the first tab stop.
    virtual BOOL OnInitDialog() = 0;
    // A control's notification: BN_CLICKED from a check box, EN_CHANGE from an edit box, and
    // others that may be ignored.
    virtual void OnCommand(int id, int code) = 0;
    // The user moved a spin: SB_THUMBPOSITION with its new position, and other codes after it.
    virtual void OnVScroll(int code, int position, int spinId) = 0;
    // OK: the button or Enter. Cancel: the button, Esc or the close box.
    virtual void OnOK() = 0;
    virtual void OnCancel() = 0;

  protected:
    ~CDialogEvents() = default;
};
