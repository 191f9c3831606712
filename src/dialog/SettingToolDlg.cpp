#include "dialog/SettingToolDlg.h"

#include "dialog/RestartNotice.h"
#include "printer/DocumentsInFlight.h"
#include "printer/PrinterInfo.h"
#include "printer/SpoolerNames.h"
#include "resource.h"
#include "resources/ResourceString.h"
#include "service/SpoolerRestart.h"
#include "settings/BoxText.h"
#include "settings/NumberText.h"
#include "settings/SettingRanges.h"

using namespace settings;

namespace
{
// Whether the queue holds exactly what OK would store: the number as a 4-byte REG_DWORD.
bool Holds(const CPrinterInfo::StoredValue& stored, CPrinterInfo::Setting setting, DWORD value)
{
    return stored.IsDword() && CPrinterInfo::ValueOf(setting, stored) == value;
}
} // namespace

CSettingToolDlg::CSettingToolDlg(CDialogControls& controls, CPrinterInfo* printer)
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
        m_controls.SetSpinPos(IDC_INTERVAL_SPIN, kIntervalReplacementTenths);
        m_controls.SetText(IDC_INTERVAL_EDIT, IntervalTextAt(kIntervalReplacementTenths));
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
    m_controls.SetText(IDC_INTERVAL_EDIT, IntervalText(seconds));
}

void CSettingToolDlg::ShowTimeout(float seconds)
{
    m_controls.SetSpinPos(IDC_TIMEOUT_SPIN,
                          ClampedPosition(seconds, kTimeoutMinSeconds, kTimeoutMaxSeconds));
    m_controls.SetText(IDC_TIMEOUT_EDIT, TimeoutText(seconds));
}

void CSettingToolDlg::OnVScroll(int code, int position, int spinId)
{
    if (code != SB_THUMBPOSITION)
        return;
    if (spinId == IDC_INTERVAL_SPIN)
        m_controls.SetText(IDC_INTERVAL_EDIT, IntervalTextAt(position));
    else if (spinId == IDC_TIMEOUT_SPIN)
        m_controls.SetText(IDC_TIMEOUT_EDIT, TimeoutText(position));
}

void CSettingToolDlg::OnChangeInterval()
{
    OnChangeBox(IDC_INTERVAL_EDIT, IDC_INTERVAL_SPIN, IntervalEntry);
}

void CSettingToolDlg::OnChangeTimeout()
{
    OnChangeBox(IDC_TIMEOUT_EDIT, IDC_TIMEOUT_SPIN, TimeoutEntry);
}

void CSettingToolDlg::OnChangeBox(int boxId, int spinId, BoxEntry (*entryOf)(std::wstring_view))
{
    const std::wstring text = m_controls.GetText(boxId);
    const BoxEntry entry = entryOf(text);
    if (!entry.position)
        return; // on the way to a number: left alone, and OK refuses it
    // A replacement runs this routine again, nested, before the spin follows it here.
    if (entry.shown != text)
        m_controls.SetText(boxId, entry.shown);
    m_controls.SetSpinPos(spinId, *entry.position);
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
                                         kMillisecondsPerTenth
                                   : 0;
    const DWORD timeout =
        static_cast<DWORD>(m_controls.GetSpinPos(IDC_TIMEOUT_SPIN)) * kMillisecondsPerSecond;
    // The interval is read once, for this comparison and for the store's rollback.
    const CPrinterInfo::StoredValue intervalNow =
        m_pPrinter->ReadStored(CPrinterInfo::Setting::StatusInterval);
    if (Holds(intervalNow, CPrinterInfo::Setting::StatusInterval, interval) &&
        Holds(m_pPrinter->ReadStored(CPrinterInfo::Setting::IoTimeout),
              CPrinterInfo::Setting::IoTimeout, timeout))
    {
        // Nothing changes, so the spooler has nothing new to read.
        m_controls.Close(IDOK);
        return;
    }
    if (m_pPrinter->Store(interval, timeout, &intervalNow) != ERROR_SUCCESS)
    {
        ShowMessage(IDS_SAVE_FAILED);
        return;
    }
    // A print server's queue is read by that server's language monitor, so its spooler is the
    // one restarted.
    const std::wstring machine = MachineOf(m_pPrinter->GetPrinterName());
    if (!MayRestartNow(machine))
    {
        m_controls.Close(IDOK);
        return;
    }
    RestartReport report;
    m_controls.RunBusy(LoadResourceString(IDS_RESTARTING_SPOOLER), [&] {
        report = RestartSpooler(machine.empty() ? nullptr : machine.c_str());
    });
    if (const RestartNotice notice = NoticeOf(report); notice.id != 0)
    {
        // The user may look after several machines: a server's restart names the server.
        const std::wstring text = Message(notice.id, notice.arguments);
        m_controls.ShowMessage(machine.empty() ? text
                                               : Message(IDS_ON_PRINT_SERVER, {machine, text}),
                               LoadResourceString(IDS_ERROR_CAPTION));
    }
    m_controls.Close(IDOK);
}

bool CSettingToolDlg::MayRestartNow(const std::wstring& machine)
{
    // Counted on this thread: one listing, and one more call for each queue that holds documents,
    // take a moment. Documents that cannot be counted ask nothing: the restart goes ahead.
    const std::optional<DWORD> documents = CountDocumentsInFlight(machine);
    if (!documents || *documents == 0)
        return true;
    const std::wstring where = machine.empty() ? LoadResourceString(IDS_THIS_COMPUTER) : machine;
    return m_controls.Ask(Message(IDS_DOCUMENTS_IN_FLIGHT, {NumberArgument(*documents), where}),
                          LoadResourceString(IDS_DOCUMENTS_CAPTION));
}

void CSettingToolDlg::OnCancel()
{
    m_controls.Close(IDCANCEL);
}

void CSettingToolDlg::ShowMessage(UINT textId)
{
    m_controls.ShowMessage(LoadResourceString(textId), LoadResourceString(IDS_ERROR_CAPTION));
}
