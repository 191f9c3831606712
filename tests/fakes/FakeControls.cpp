#include "FakeControls.h"

#include "dialog/RunSettingsDialog.h"
#include "dialog/SettingToolDlg.h"
#include "host_calls.h"
#include "host_text.h"

#include <algorithm>

namespace
{
// The owner the dialog's message boxes name: any window handle but none.
HWND const kDialogWindow = reinterpret_cast<HWND>(0x102);

std::function<void(DialogUser&)> g_modalDriver;
} // namespace

INT_PTR FakeControls::Run(CDialogEvents& events, const std::function<void(DialogUser&)>& user)
{
    m_events = &events;
    m_open = true;
    m_events->OnInitDialog();
    if (m_open && user)
        user(*this);
    if (m_open)
        m_events->OnCancel(); // Esc
    Close(IDCANCEL);
    return m_result;
}

const FakeControls::Control& FakeControls::Find(int id) const
{
    static const Control kNew;
    const auto control = m_controls.find(id);
    return control != m_controls.end() ? control->second : kNew;
}

void FakeControls::SetText(int id, const std::wstring& text)
{
    ChangeText(id, text, 0);
}

void FakeControls::ChangeText(int id, std::wstring text, size_t caret)
{
    Control& control = m_controls[id];
    control.text = std::move(text);
    control.selectionStart = control.selectionEnd = caret;
    m_events->OnCommand(id, EN_CHANGE);
}

void FakeControls::SetSpinRange(int spinId, int minimum, int maximum)
{
    Control& spin = m_controls[spinId];
    spin.minimum = minimum;
    spin.maximum = maximum;
}

void FakeControls::SetSpinPos(int spinId, int position)
{
    Control& spin = m_controls[spinId];
    const short low16 = static_cast<short>(position & 0xFFFF);
    spin.position = std::clamp<int>(low16, std::min(spin.minimum, spin.maximum),
                                    std::max(spin.minimum, spin.maximum));
}

short FakeControls::GetSpinPos(int spinId) const
{
    return static_cast<short>(Find(spinId).position);
}

void FakeControls::FocusAndSelect(int boxId)
{
    Control& box = m_controls[boxId];
    if (box.enabled)
        m_focus = boxId;
    box.selectionStart = 0;
    box.selectionEnd = box.text.size();
}

void FakeControls::ShowMessage(const std::wstring& text, const std::wstring& caption)
{
    MessageBoxW(kDialogWindow, text.c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

bool FakeControls::Ask(const std::wstring& text, const std::wstring& caption)
{
    return MessageBoxW(kDialogWindow, text.c_str(), caption.c_str(),
                       MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

void FakeControls::RunBusy(const std::wstring& status, const std::function<void()>& work)
{
    host::CallLog().push_back("Busy " + host::text::ToAnsi(status));
    work();
    host::CallLog().push_back("Busy ends");
}

void FakeControls::Close(int result)
{
    if (!m_open)
        return;
    m_open = false;
    m_result = result;
}

std::pair<int, int> FakeControls::Selection(int boxId) const
{
    const Control& box = Find(boxId);
    return {static_cast<int>(box.selectionStart), static_cast<int>(box.selectionEnd)};
}

void FakeControls::Key(int boxId, wchar_t key)
{
    const Control& box = m_controls[boxId];
    std::wstring text = box.text;
    text.replace(box.selectionStart, box.selectionEnd - box.selectionStart, 1, key);
    ChangeText(boxId, text, box.selectionStart + 1);
}

void FakeControls::Click(int id)
{
    if (!m_controls[id].enabled)
        return;
    if (id == IDOK)
        m_events->OnOK();
    else if (id == IDCANCEL)
        m_events->OnCancel();
    else
    {
        m_controls[id].checked = !m_controls[id].checked;
        m_events->OnCommand(id, BN_CLICKED);
    }
}

void FakeControls::ClickSpinUp(int spinId)
{
    MoveSpin(spinId, 1);
    if (m_controls[spinId].enabled)
        m_events->OnVScroll(SB_ENDSCROLL, GetSpinPos(spinId), spinId);
}

void FakeControls::MoveSpin(int spinId, int delta)
{
    if (spinId == 0 || !m_controls[spinId].enabled)
        return;
    SetSpinPos(spinId, m_controls[spinId].position + delta);
    m_events->OnVScroll(SB_THUMBPOSITION, GetSpinPos(spinId), spinId);
}

std::unique_ptr<ControlsUnderTest> MakeControlsUnderTest()
{
    return std::make_unique<FakeControls>();
}

void host::SetModalDriver(std::function<void(DialogUser&)> driver)
{
    g_modalDriver = std::move(driver);
}

INT_PTR RunSettingsDialog(CPrinterInfo& printer)
{
    FakeControls controls;
    CSettingToolDlg dialog(controls, &printer);
    return controls.Run(dialog, g_modalDriver);
}
