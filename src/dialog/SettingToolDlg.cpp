#include "dialog/SettingToolDlg.h"

#include "printer/PrinterInfo.h"
#include "resource.h"
#include "resources/ResourceString.h"
#include "service/SpoolerRestart.h"
#include "settings/NumberText.h"
#include "settings/SettingRanges.h"

#include <optional>

namespace
{
using settings::kIntervalMaxTenths;
using settings::kIntervalMinTenths;
using settings::kTimeoutMaxSeconds;
using settings::kTimeoutMinSeconds;

// Texts on the way to a valid number: the change routines leave them alone and OK refuses them.
bool IsUnfinishedInterval(const std::wstring& text)
{
    return text.empty() || text == L"0" || text == L"0.";
}

bool IsUnfinishedTimeout(const std::wstring& text)
{
    return text.size() <= 1 && (text.empty() || (text[0] >= L'0' && text[0] <= L'4'));
}

// The number a box's text starts with, when every character of it is one of allowed; nothing
// otherwise. A character outside ASCII is never one of them: a full-width "１" is not a digit.
std::optional<double> NumberIn(const std::wstring& text, const wchar_t* allowed)
{
    if (text.find_first_not_of(allowed) != std::wstring::npos)
        return std::nullopt;
    std::string ascii;
    for (const wchar_t c : text)
        ascii += static_cast<char>(c);
    return ParseDecimal(ascii);
}

// The number rules write ASCII; the boxes hold UTF-16.
std::wstring Widen(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}
} // namespace

CSettingToolDlg::CSettingToolDlg(DialogControls& controls, CPrinterInfo* printer)
    : m_controls(controls), m_pPrinter(printer)
{
}

BOOL CSettingToolDlg::OnInitDialog()
{
    m_controls.SetText(IDC_PRINTER_QUEUE, m_pPrinter->GetPrinterName());
    m_controls.SetCheck(IDC_BACKGROUND_ENABLE, m_pPrinter->IsBackgroundStatusEnabled() != FALSE);
    OnEnableClicked();

    m_controls.AttachSpin(IDC_INTERVAL_SPIN, IDC_INTERVAL_EDIT);
    m_controls.SetSpinRange(IDC_INTERVAL_SPIN, kIntervalMinTenths, kIntervalMaxTenths);
    ShowInterval(MillisecondsToSeconds(m_pPrinter->GetStatusInterval()));
    m_controls.AttachSpin(IDC_TIMEOUT_SPIN, IDC_TIMEOUT_EDIT);
    m_controls.SetSpinRange(IDC_TIMEOUT_SPIN, kTimeoutMinSeconds, kTimeoutMaxSeconds);
    ShowTimeout(MillisecondsToSeconds(m_pPrinter->GetIoTimeout()));
    return TRUE;
}

void CSettingToolDlg::OnCommand(int id, int code)
{
    if (id == IDC_BACKGROUND_ENABLE && code == BN_CLICKED)
        OnEnableClicked();
    else if (id == IDC_INTERVAL_EDIT && code == EN_CHANGE)
        OnChangeInterval();
    else if (id == IDC_TIMEOUT_EDIT && code == EN_CHANGE)
        OnChangeTimeout();
}

void CSettingToolDlg::OnEnableClicked()
{
    const bool checked = m_controls.IsChecked(IDC_BACKGROUND_ENABLE);
    m_controls.Enable(IDC_INTERVAL_EDIT, checked);
    m_controls.Enable(IDC_INTERVAL_SPIN, checked);
    if (!checked)
        return;
    // Switching on shows what is stored, not what was typed before switching off.
    const DWORD stored = m_pPrinter->GetStatusInterval();
    if (stored == 0)
    {
        m_controls.SetSpinPos(IDC_INTERVAL_SPIN, 5);
        m_controls.SetText(IDC_INTERVAL_EDIT, L"0.5");
    }
    else
    {
        ShowInterval(MillisecondsToSeconds(stored));
    }
}

void CSettingToolDlg::ShowInterval(float seconds)
{
    m_controls.SetSpinPos(IDC_INTERVAL_SPIN,
                          ClampedPosition(seconds * 10.0, kIntervalMinTenths, kIntervalMaxTenths));
    m_controls.SetText(IDC_INTERVAL_EDIT, Widen(FormatFixed(seconds, 1)));
}

void CSettingToolDlg::ShowTimeout(float seconds)
{
    m_controls.SetSpinPos(IDC_TIMEOUT_SPIN,
                          ClampedPosition(seconds, kTimeoutMinSeconds, kTimeoutMaxSeconds));
    m_controls.SetText(IDC_TIMEOUT_EDIT, Widen(FormatFixed(seconds, 0)));
}

void CSettingToolDlg::OnVScroll(int code, int position, int spinId)
{
    if (code != SB_THUMBPOSITION)
        return;
    if (spinId == IDC_INTERVAL_SPIN)
        m_controls.SetText(IDC_INTERVAL_EDIT, Widen(FormatFixed(position * 0.1, 1)));
    else if (spinId == IDC_TIMEOUT_SPIN)
        m_controls.SetText(IDC_TIMEOUT_EDIT, Widen(FormatFixed(position, 0)));
}

void CSettingToolDlg::OnChangeInterval()
{
    const std::wstring text = m_controls.GetText(IDC_INTERVAL_EDIT);
    if (IsUnfinishedInterval(text))
        return;
    // Each replacement below runs this routine again, nested, which sets the spin to match it.
    const std::optional<double> value = NumberIn(text, L"0123456789.");
    if (!value)
    {
        m_controls.SetText(IDC_INTERVAL_EDIT, L"0.5");
        return;
    }
    if (*value > 240.0)
        m_controls.SetText(IDC_INTERVAL_EDIT, L"240.0");
    if (*value < 0.1)
    {
        m_controls.SetText(IDC_INTERVAL_EDIT, L"0.5");
        return;
    }
    m_controls.SetSpinPos(IDC_INTERVAL_SPIN,
                          ClampedPosition(*value * 10.0, kIntervalMinTenths, kIntervalMaxTenths));
}

void CSettingToolDlg::OnChangeTimeout()
{
    const std::wstring text = m_controls.GetText(IDC_TIMEOUT_EDIT);
    if (IsUnfinishedTimeout(text))
        return;
    const std::optional<double> value = NumberIn(text, L"0123456789");
    if (!value)
    {
        m_controls.SetText(IDC_TIMEOUT_EDIT, L"5");
        m_controls.SetSpinPos(IDC_TIMEOUT_SPIN, kTimeoutMinSeconds);
        return;
    }
    if (*value > 600.0)
    {
        m_controls.SetText(IDC_TIMEOUT_EDIT, L"600");
        m_controls.SetSpinPos(IDC_TIMEOUT_SPIN, kTimeoutMaxSeconds);
    }
    if (*value < 5.0)
    {
        m_controls.SetText(IDC_TIMEOUT_EDIT, L"5");
        m_controls.SetSpinPos(IDC_TIMEOUT_SPIN, kTimeoutMinSeconds);
    }
    m_controls.SetSpinPos(IDC_TIMEOUT_SPIN,
                          ClampedPosition(*value, kTimeoutMinSeconds, kTimeoutMaxSeconds));
}

void CSettingToolDlg::OnOK()
{
    const bool enabled = m_controls.IsChecked(IDC_BACKGROUND_ENABLE);
    // With Enable clear the interval stored is 0 whatever the box holds, so its text is not
    // checked; a disabled box could not take the focus anyway.
    if (enabled && IsUnfinishedInterval(m_controls.GetText(IDC_INTERVAL_EDIT)))
    {
        m_controls.FocusAndSelect(IDC_INTERVAL_EDIT);
        return;
    }
    // Both boxes are checked before anything is stored, so a refusal stores nothing.
    if (IsUnfinishedTimeout(m_controls.GetText(IDC_TIMEOUT_EDIT)))
    {
        m_controls.FocusAndSelect(IDC_TIMEOUT_EDIT);
        return;
    }
    const DWORD interval = enabled ? static_cast<DWORD>(m_controls.GetSpinPos(IDC_INTERVAL_SPIN)) *
                                         settings::kMillisecondsPerTenth
                                   : 0;
    const DWORD timeout = static_cast<DWORD>(m_controls.GetSpinPos(IDC_TIMEOUT_SPIN)) *
                          settings::kMillisecondsPerSecond;
    if (m_pPrinter->SetSettings(interval, timeout) != ERROR_SUCCESS)
    {
        ShowMessage(IDS_SAVE_FAILED);
        return;
    }

    m_controls.BeginWaitCursor();
    const RestartOutcome outcome = RestartSpooler();
    m_controls.EndWaitCursor();
    if (outcome == RestartOutcome::SpoolerStopped)
        ShowMessage(IDS_SPOOLER_STOPPED);
    else if (outcome == RestartOutcome::Failed)
        ShowMessage(IDS_RESTART_FAILED);
    m_controls.Close(IDOK);
}

void CSettingToolDlg::OnCancel()
{
    m_controls.Close(IDCANCEL);
}

void CSettingToolDlg::ShowMessage(UINT textId)
{
    m_controls.ShowMessage(LoadResourceString(textId), LoadResourceString(IDS_ERROR_CAPTION));
}
