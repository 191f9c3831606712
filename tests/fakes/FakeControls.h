// The settings dialog's controls in memory, for the Linux tests. They keep and report what the
// real controls do (the control contract runs against both) and let a test work them as a user
// would. Controls need no creating: an id names one from its first use.
#pragma once

#include "DialogUser.h"

#include <map>

class FakeControls : public ControlsUnderTest, public CDialogControls, public DialogUser
{
  public:
    CDialogControls& Controls() override { return *this; }
    INT_PTR Run(CDialogEvents& events, const std::function<void(DialogUser&)>& user) override;

    std::wstring GetText(int id) const override { return Find(id).text; }
    void SetText(int id, const std::wstring& text) override;
    void Enable(int id, bool enable) override { m_controls[id].enabled = enable; }
    bool IsChecked(int id) const override { return Find(id).checked; }
    void SetCheck(int id, bool checked) override { m_controls[id].checked = checked; }
    void AttachSpin(int spinId, int boxId) override { m_controls[boxId].spin = spinId; }
    void SetSpinRange(int spinId, int minimum, int maximum) override;
    void SetSpinPos(int spinId, int position) override;
    short GetSpinPos(int spinId) const override;
    void FocusAndSelect(int boxId) override;
    void ShowMessage(const std::wstring& text, const std::wstring& caption) override;
    bool Ask(const std::wstring& text, const std::wstring& caption) override;
    void RunBusy(const std::wstring& status, const std::function<void()>& work) override;
    void Close(int result) override;

    std::wstring Text(int id) const override { return GetText(id); }
    short Spin(int spinId) const override { return GetSpinPos(spinId); }
    bool Enabled(int id) const override { return Find(id).enabled; }
    bool Checked(int id) const override { return IsChecked(id); }
    int Focused() const override { return m_focus; }
    std::pair<int, int> Selection(int boxId) const override;
    bool IsOpen() const override { return m_open; }
    void Paste(int boxId, const std::wstring& text) override { SetText(boxId, text); }
    void Key(int boxId, wchar_t key) override;
    void Click(int id) override;
    void ClickSpinUp(int spinId) override;
    void PressUp(int boxId) override { MoveSpin(m_controls[boxId].spin, 1); }
    void PressDown(int boxId) override { MoveSpin(m_controls[boxId].spin, -1); }
    void CloseBox() override { m_events->OnCancel(); }

  private:
    struct Control
    {
        std::wstring text;
        bool enabled = true;
        bool checked = false;
        // A spin's range and position; a new up-down control's range is 100 down to 0.
        int minimum = 100;
        int maximum = 0;
        int position = 0;
        // A box's attached spin, 0 for none.
        int spin = 0;
        // A box's selection; the caret where they meet.
        size_t selectionStart = 0;
        size_t selectionEnd = 0;
    };

    const Control& Find(int id) const;
    void ChangeText(int id, std::wstring text, size_t caret);
    // The user moved the spin by delta; it reports its new position, also at a bound.
    void MoveSpin(int spinId, int delta);

    std::map<int, Control> m_controls;
    CDialogEvents* m_events = nullptr;
    int m_focus = 0;
    bool m_open = false;
    int m_result = IDCANCEL;
};

namespace host
{
// What the user does while RunSettingsDialog runs the settings dialog on this build: called once
// after OnInitDialog, unless a handler already closed the dialog. Null: nothing.
void SetModalDriver(std::function<void(DialogUser&)> driver);
} // namespace host
