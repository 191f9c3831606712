#pragma once

#include "framework/Dialog.h"

class CPrinterInfo;

// The settings dialog for one queue: Enable, the status interval (0.1 to 240.0 s in tenths) and
// the I/O timeout (5 to 600 s), each a box with a spin. The spins hold what OK stores; every
// change of a box's text brings its spin into line at once.
class CSettingToolDlg : public CDialog
{
  public:
    // printer is not owned and must outlive the dialog.
    CSettingToolDlg(CWnd* parent, CPrinterInfo* printer);

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnEnableClicked();
    void OnVScroll(UINT code, UINT position, HWND scrollBar);
    void OnChangeInterval();
    void OnChangeTimeout();

  private:
    void ShowInterval(float seconds);
    void ShowTimeout(float seconds);
    void FocusAndSelect(CWnd* box);
    void ShowMessage(UINT textId);

    HICON m_hIcon;
    CPrinterInfo* m_pPrinter;
    CWnd* m_pIntervalEdit = nullptr;
    CWnd* m_pTimeoutEdit = nullptr;
    CWnd* m_pQueueEdit = nullptr;
    CWnd* m_pEnableCheck = nullptr;
    CWnd* m_pIntervalSpin = nullptr;
    CWnd* m_pTimeoutSpin = nullptr;
};
