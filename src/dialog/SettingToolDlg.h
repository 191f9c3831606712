#pragma once

#include "dialog/DialogControls.h"
#include "settings/BoxText.h"

class CPrinterInfo;

// The settings dialog's logic for one queue: Enable, the status interval (0.1 to 240.0 s in
// tenths) and the I/O timeout (5 to 600 s), each a box with a spin. The spins hold what OK
// stores; every change of a box's text brings its spin into line at once. Written against the
// control operations alone, so the same logic runs on the real controls and on in-memory ones.
class CSettingToolDlg : public CDialogEvents
{
  public:
    // Neither is owned; both must outlive the dialog.
    CSettingToolDlg(CDialogControls& controls, CPrinterInfo* printer);

    BOOL OnInitDialog() override;
    // The message map: the check box's click and the two boxes' changes.
    void OnCommand(int id, int code) override;
    void OnVScroll(int code, int position, int spinId) override;
    void OnOK() override;
    void OnCancel() override;

  private:
    void OnEnableClicked();
    void OnChangeInterval();
    void OnChangeTimeout();
    // Brings a box and its spin into line with what the box's rule makes of its text.
    void OnChangeBox(int boxId, int spinId, settings::BoxEntry (*entryOf)(std::wstring_view));
    void ShowInterval(float seconds);
    void ShowTimeout(float seconds);
    void ShowMessage(UINT textId);
    // Whether the spooler of machine ("" this computer), which reads the queue's settings, may be
    // restarted now: yes when it interrupts no document it is printing or being sent, else as
    // the user answers.
    bool MayRestartNow(const std::wstring& machine);

    CDialogControls& m_controls;
    CPrinterInfo* m_pPrinter;
};
