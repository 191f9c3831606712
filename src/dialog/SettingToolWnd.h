#pragma once

#include "dialog/DialogControls.h"
#include "framework/Dialog.h"

// The settings dialog's window on Windows: template 102 on the real controls, with the program's
// icon. It carries out the control operations, one call each, and reports the controls'
// notifications to the dialog's logic.
class CSettingToolWnd : public CDialog, public CDialogControls
{
  public:
    explicit CSettingToolWnd(CWnd* parent);

    // Runs the dialog until it is closed, reporting to events; see CDialog::DoModal.
    INT_PTR DoModal(CDialogEvents& events);

    std::wstring GetText(int id) const override;
    void SetText(int id, const std::wstring& text) override;
    void Enable(int id, bool enable) override;
    bool IsChecked(int id) const override;
    void SetCheck(int id, bool checked) override;
    void AttachSpin(int spinId, int boxId) override;
    void SetSpinRange(int spinId, int minimum, int maximum) override;
    void SetSpinPos(int spinId, int position) override;
    short GetSpinPos(int spinId) const override;
    void FocusAndSelect(int boxId) override;
    void ShowMessage(const std::wstring& text, const std::wstring& caption) override;
    bool Ask(const std::wstring& text, const std::wstring& caption) override;
    void RunBusy(const std::wstring& status, const std::function<void()>& work) override
    {
        CDialog::RunBusy(status.c_str(), work);
    }
    void Close(int result) override { EndDialog(result); }

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    // The icon stands for the minimised dialog.
    void OnPaint();
    HCURSOR OnQueryDragIcon();

  private:
    HICON m_hIcon;
    CDialogEvents* m_pEvents = nullptr;
};
