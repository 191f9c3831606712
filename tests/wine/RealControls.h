// The settings dialog's real controls under Wine: CSettingToolWnd on template 102, run modally as
// the program runs it and worked from inside its modal loop with window messages, as a user
// would.
#pragma once

#include "DialogUser.h"

#include "dialog/SettingToolWnd.h"

// Runs run (a modal dialog) and calls act from inside its modal loop once the window that find
// names is visible. Returns what run returns; an exception from act comes out of here.
INT_PTR WhileShown(const std::function<HWND()>& find, const std::function<void(HWND)>& act,
                   const std::function<INT_PTR()>& run);

class RealControls : public ControlsUnderTest, public DialogUser
{
  public:
    RealControls() : m_window(nullptr) {}

    CDialogControls& Controls() override { return m_window; }
    INT_PTR Run(CDialogEvents& events, const std::function<void(DialogUser&)>& user) override;

    HWND Dialog() const { return m_window.GetSafeHwnd(); }
    HWND Item(int id) const { return GetDlgItem(Dialog(), id); }

    std::wstring Text(int id) const override { return m_window.GetDlgItem(id).GetWindowText(); }
    short Spin(int spinId) const override;
    bool Enabled(int id) const override { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Checked(int id) const override;
    int Focused() const override;
    std::pair<int, int> Selection(int boxId) const override;
    bool IsOpen() const override { return IsWindowVisible(Dialog()) != FALSE; }
    void Paste(int boxId, const std::wstring& text) override;
    void Key(int boxId, wchar_t key) override;
    void Click(int id) override { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    void ClickSpinUp(int spinId) override;
    void PressUp(int boxId) override { Press(boxId, VK_UP); }
    void PressDown(int boxId) override { Press(boxId, VK_DOWN); }
    void CloseBox() override { SendMessageW(Dialog(), WM_CLOSE, 0, 0); }

  private:
    void Press(int boxId, WPARAM key);

    CSettingToolWnd m_window;
};
