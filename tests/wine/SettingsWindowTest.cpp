// The settings dialog's window on the real controls: what the template and the window manager give
// it beyond the control operations, and the program's own run of it (RunSettingsDialog) on a queue
// of Wine's spooler, which reads as the defaults there.
#include "RealControls.h"
#include "TestQueue.h"

#include "dialog/RunSettingsDialog.h"
#include "framework/WinApp.h"
#include "printer/PrinterInfo.h"
#include "resource.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace
{
// Closes on OK and Cancel and leaves the focus to the first tab stop; nothing else.
class Closing : public CDialogEvents
{
  public:
    explicit Closing(CDialogControls& controls) : m_controls(controls) {}
    BOOL OnInitDialog() override { return TRUE; }
    void OnCommand(int, int) override {}
    void OnVScroll(int, int, int) override {}
    void OnOK() override { m_controls.Close(IDOK); }
    void OnCancel() override { m_controls.Close(IDCANCEL); }

  private:
    CDialogControls& m_controls;
};

class SettingsWindow : public ::testing::Test
{
  protected:
    void Run(const std::function<void()>& steps)
    {
        real.Run(closing, [&](DialogUser&) { steps(); });
    }
    LONG Style(int id) const { return GetWindowLongW(real.Item(id), GWL_STYLE); }

    RealControls real;
    Closing closing{real.Controls()};
};

const int kControls[] = {IDC_PRINTER_QUEUE,
                         IDC_BACKGROUND_ENABLE,
                         IDC_INTERVAL_EDIT,
                         IDC_INTERVAL_SPIN,
                         IDC_TIMEOUT_EDIT,
                         IDC_TIMEOUT_SPIN,
                         IDOK,
                         IDCANCEL};

// An edit box made through the A functions keeps its text in the ANSI code page on Windows, so a
// queue name outside it would lose characters. Wine keeps them either way: only this tells.
TEST_F(SettingsWindow, TheDialogAndItsControlsAreUnicodeWindows)
{
    Run([&] {
        EXPECT_TRUE(IsWindowUnicode(real.Dialog()));
        for (const int id : kControls)
            EXPECT_TRUE(IsWindowUnicode(real.Item(id))) << id;
    });
}

TEST_F(SettingsWindow, TheQueueBoxIsReadOnlyAndOutOfTheTabOrder)
{
    Run([&] {
        EXPECT_NE(Style(IDC_PRINTER_QUEUE) & ES_READONLY, 0);
        EXPECT_EQ(Style(IDC_PRINTER_QUEUE) & WS_TABSTOP, 0);
        for (const int id :
             {IDC_BACKGROUND_ENABLE, IDC_INTERVAL_EDIT, IDC_TIMEOUT_EDIT, IDOK, IDCANCEL})
            EXPECT_NE(Style(id) & WS_TABSTOP, 0) << id;
        for (const int id : {IDC_INTERVAL_SPIN, IDC_TIMEOUT_SPIN})
        {
            EXPECT_EQ(Style(id) & (UDS_ARROWKEYS | UDS_ALIGNRIGHT), UDS_ARROWKEYS | UDS_ALIGNRIGHT)
                << id;
            EXPECT_EQ(Style(id) & UDS_SETBUDDYINT, 0) << id;
        }
        EXPECT_EQ(Style(IDC_BACKGROUND_ENABLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    });
}

TEST_F(SettingsWindow, AttachingASpinNarrowsTheBoxAndPutsTheSpinOverItsRightBorder)
{
    Run([&] {
        RECT boxBefore, box, spin;
        GetWindowRect(real.Item(IDC_INTERVAL_EDIT), &boxBefore);
        GetWindowRect(real.Item(IDC_INTERVAL_SPIN), &spin);
        const LONG spinWidth = spin.right - spin.left;
        real.Controls().AttachSpin(IDC_INTERVAL_SPIN, IDC_INTERVAL_EDIT);
        GetWindowRect(real.Item(IDC_INTERVAL_EDIT), &box);
        GetWindowRect(real.Item(IDC_INTERVAL_SPIN), &spin);
        EXPECT_EQ(box.right - box.left, boxBefore.right - boxBefore.left - spinWidth);
        EXPECT_EQ(spin.right - spin.left, spinWidth);
        EXPECT_EQ(spin.left, box.right - 2); // covers the box's two-pixel border
        EXPECT_EQ(spin.top, box.top);
        EXPECT_EQ(spin.bottom, box.bottom);
    });
}

TEST_F(SettingsWindow, TheProgramsIconIsTheDialogsLargeSmallAndDragIcon)
{
    const auto icon = reinterpret_cast<LRESULT>(
        LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME)));
    ASSERT_NE(icon, 0);
    Run([&] {
        EXPECT_EQ(SendMessageW(real.Dialog(), WM_GETICON, ICON_BIG, 0), icon);
        EXPECT_EQ(SendMessageW(real.Dialog(), WM_GETICON, ICON_SMALL, 0), icon);
        EXPECT_EQ(SendMessageW(real.Dialog(), WM_QUERYDRAGICON, 0, 0), icon);
    });
}

// The program's own run of the dialog for the test queue, worked once it shows.
class SettingsDialogRun : public ::testing::Test
{
  protected:
    INT_PTR RunWhileShown(const std::function<void(HWND dialog)>& act)
    {
        return WhileShown(
            [&] { return app.m_pMainWnd != nullptr ? app.m_pMainWnd->GetSafeHwnd() : nullptr; },
            act, [&] { return RunSettingsDialog(printer); });
    }

    CWinApp app;
    CPrinterInfo printer{TestQueue().c_str()};
};

TEST_F(SettingsDialogRun, TheDialogIsTheMainWindowWhileItRunsWithTheFocusOnEnable)
{
    const INT_PTR result = RunWhileShown([&](HWND dialog) {
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_BACKGROUND_ENABLE));
        SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST_F(SettingsDialogRun, TheQueueNameAndTheBoxesAreReadAndWrittenAsUtf16)
{
    RunWhileShown([&](HWND dialog) {
        EXPECT_EQ(CWnd(GetDlgItem(dialog, IDC_PRINTER_QUEUE)).GetWindowText(), TestQueue());
        const CWnd interval(GetDlgItem(dialog, IDC_INTERVAL_EDIT));
        const CWnd timeout(GetDlgItem(dialog, IDC_TIMEOUT_EDIT));
        // A full-width "１" is no digit, whatever the ANSI code page would make of it.
        SetWindowTextW(interval.GetSafeHwnd(), L"\xFF11");
        EXPECT_EQ(interval.GetWindowText(), L"0.5");
        SetWindowTextW(timeout.GetSafeHwnd(), L"\xFF11\xFF12\xFF10");
        EXPECT_EQ(timeout.GetWindowText(), L"5");
        SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
}
} // namespace
