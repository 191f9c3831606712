// Start-up: the command line, the two start messages, the exit statuses, and what is opened
// and closed around the dialog.
#include "HostSession.h"

#include "app/SettingToolApp.h"

#include <host_text.h>

#include <vector>

namespace
{
class SettingToolAppTest : public HostSession
{
  protected:
    // Starts the program with the given arguments after the program name.
    int Start(std::vector<std::wstring> args)
    {
        args.insert(args.begin(), L"SettingTool.exe");
        std::vector<wchar_t*> argv;
        for (std::wstring& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        CSettingToolApp app;
        app.SetCommandLine(static_cast<int>(args.size()), argv.data());
        EXPECT_FALSE(app.InitInstance());
        EXPECT_EQ(app.m_pMainWnd, nullptr);
        return app.ExitInstance();
    }

    static void ExpectOnlyMessage(const std::string& text, const std::string& caption)
    {
        ASSERT_EQ(host::MessageBoxes().size(), 1u);
        const auto& box = host::MessageBoxes()[0];
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, caption);
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    }
};

TEST_F(SettingToolAppTest, AnythingButTwoArgumentsAsksToStartFromTheDriver)
{
    const std::vector<std::vector<std::wstring>> wrongStarts = {
        {}, {kQueue}, {L"x", kQueue, L"extra"}, {L"x", kQueue, L"", L""}};
    for (const auto& args : wrongStarts)
    {
        host::ResetDesktop();
        bool dialogShown = false;
        host::SetModalDriver([&](HWND) { dialogShown = true; });
        EXPECT_EQ(Start(args), CSettingToolApp::kExitWrongStart) << args.size();
        ExpectOnlyMessage("Please start from the printer driver.", "Error");
        EXPECT_FALSE(dialogShown);
        EXPECT_EQ(host::spooler::LastDesiredAccess(), 0u) << "the queue was opened";
    }
}

TEST_F(SettingToolAppTest, TheMessagesComeInTheUsersLanguage)
{
    host::SetUiLanguage(0x0411);
    Start({});
    ExpectOnlyMessage("プリンタドライバのプロパティから起動してください。", "エラー");
    host::ResetDesktop();
    host::SetUiLanguage(0x0411);
    Start({L"x", L"No Such Queue"});
    ExpectOnlyMessage(
        "選択されたプリンタにアクセスできません。プリンタキューが存在することを確認してください。",
        "エラー");
}

TEST_F(SettingToolAppTest, AQueueThatCannotBeAccessedIsReportedWithoutADialog)
{
    host::spooler::AddQueue(L"Front Desk", false);
    for (const wchar_t* queue : {L"No Such Queue", L"Front Desk", L""})
    {
        host::ResetDesktop();
        bool dialogShown = false;
        host::SetModalDriver([&](HWND) { dialogShown = true; });
        EXPECT_EQ(Start({L"x", queue}), CSettingToolApp::kExitNoPrinter) << queue;
        ExpectOnlyMessage("The choosen printer could not be accessed, please check that it still "
                          "exists as a queue and try again.",
                          "Error");
        EXPECT_FALSE(dialogShown) << queue;
    }
}

TEST_F(SettingToolAppTest, AFailureInsideTheDialogClosesEverythingAndIsReported)
{
    host::spooler::ThrowOnNextRead(); // the first read happens in the dialog's start
    EXPECT_EQ(Start({L"x", kQueue}), CSettingToolApp::kExitNoPrinter);
    ExpectOnlyMessage("The choosen printer could not be accessed, please check that it still "
                      "exists as a queue and try again.",
                      "Error");
    EXPECT_EQ(host::spooler::OpenHandles(), 0);
}

TEST_F(SettingToolAppTest, TheDialogRunsForTheSecondArgumentAsTheMainWindow)
{
    // Outside any ANSI code page, with a character beyond the BMP (a surrogate pair).
    const std::wstring queue = host::text::Utf16(u"  Büro – \"odd\" 🖨 name*  ");
    host::spooler::AddQueue(queue);
    host::SetModalDriver([&](HWND dialog) {
        const DialogUser user(dialog);
        EXPECT_EQ(user.Text(IDC_PRINTER_QUEUE), "  Büro – \"odd\" 🖨 name*  ");
        ASSERT_NE(AfxGetApp()->m_pMainWnd, nullptr);
        EXPECT_EQ(AfxGetApp()->m_pMainWnd->GetSafeHwnd(), dialog);
        EXPECT_EQ(host::spooler::OpenHandles(), 1);
        user.Click(IDOK);
    });
    EXPECT_EQ(Start({L"anything at all", queue}), CSettingToolApp::kExitSaved);
    EXPECT_TRUE(host::MessageBoxes().empty());
    EXPECT_EQ(host::spooler::OpenHandles(), 0);
}

TEST_F(SettingToolAppTest, CancelEndsWithoutStoringOrTouchingTheSpooler)
{
    host::SetModalDriver([](HWND dialog) { DialogUser(dialog).Click(IDCANCEL); });
    EXPECT_EQ(Start({L"x", kQueue}), CSettingToolApp::kExitCancelled);
    EXPECT_EQ(host::spooler::StoreCount(), 0);
    EXPECT_TRUE(host::CallLog().empty());
    EXPECT_TRUE(host::MessageBoxes().empty());
}
} // namespace
