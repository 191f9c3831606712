// Start-up: the command line, the two start messages, the exit statuses, what is opened and
// closed around the dialog, and the one relaunch through the consent prompt.
#include "DialogSession.h"
#include "FakeElevation.h"

#include "app/SettingToolApp.h"
#include "app/StartDecision.h"

#include <host_text.h>

#include <vector>

namespace
{
class SettingToolAppTest : public DialogSession
{
  protected:
    void SetUp() override
    {
        DialogSession::SetUp();
        m_dialogShown = false;
        host::SetModalDriver([this](DialogUser&) { m_dialogShown = true; });
    }

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
        return app.ExitInstance();
    }

    static void ExpectNotAccessibleMessage()
    {
        ExpectOnlyMessage(L"The choosen printer could not be accessed, please check that it "
                          L"still exists as a queue and try again.",
                          L"Error");
    }

    static void ExpectOnlyMessage(const std::wstring& text, const std::wstring& caption)
    {
        ASSERT_EQ(host::MessageBoxes().size(), 1u);
        const auto& box = host::MessageBoxes()[0];
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, caption);
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    }

    bool m_dialogShown = false;
};

TEST_F(SettingToolAppTest, AnythingButTwoArgumentsAsksToStartFromTheDriver)
{
    const std::vector<std::vector<std::wstring>> wrongStarts = {
        {}, {kQueue}, {L"x", kQueue, L"extra"}, {L"x", kQueue, L"", L""}};
    for (const auto& args : wrongStarts)
    {
        SetUp();
        EXPECT_EQ(Start(args), CSettingToolApp::kExitWrongStart) << args.size();
        ExpectOnlyMessage(L"Please start from the printer driver.", L"Error");
        EXPECT_FALSE(m_dialogShown);
        EXPECT_TRUE(host::spooler::DesiredAccesses().empty()) << "the queue was opened";
    }
}

TEST_F(SettingToolAppTest, TheMessagesComeInTheUsersLanguage)
{
    host::SetUiLanguage(0x0411);
    Start({});
    ExpectOnlyMessage(L"プリンタドライバのプロパティから起動してください。", L"エラー");
    SetUp();
    host::SetUiLanguage(0x0411);
    Start({L"x", L"No Such Queue"});
    ExpectOnlyMessage(
        L"選択されたプリンタにアクセスできません。プリンタキューが存在することを確認してください。",
        L"エラー");
}

TEST_F(SettingToolAppTest, AQueueThatCannotBeAccessedIsReportedWithoutADialog)
{
    for (const wchar_t* queue : {L"No Such Queue", L"Front Desk", L"", L"Silent"})
    {
        SetUp();
        host::spooler::AddQueue(L"Front Desk", false);
        host::spooler::AddQueue(L"Silent");
        host::spooler::FailOpens(L"Silent", ERROR_SUCCESS); // no reason given: not an open queue
        EXPECT_EQ(Start({L"x", queue}), CSettingToolApp::kExitNoPrinter) << queue;
        ExpectNotAccessibleMessage();
        EXPECT_FALSE(m_dialogShown) << queue;
    }
}

TEST_F(SettingToolAppTest, AFailureInsideTheDialogClosesEverythingAndIsReported)
{
    host::spooler::ThrowOnNextRead(); // the first read happens in the dialog's start
    EXPECT_EQ(Start({L"x", kQueue}), CSettingToolApp::kExitNoPrinter);
    ExpectNotAccessibleMessage();
    EXPECT_EQ(host::spooler::OpenHandles(), 0);
}

TEST_F(SettingToolAppTest, TheDialogRunsForTheSecondArgumentWithTheQueueOpen)
{
    // Outside any ANSI code page, with a character beyond the BMP (a surrogate pair).
    const std::wstring queue = host::text::Utf16(u"  Büro – \"odd\" 🖨 name*  ");
    host::spooler::AddQueue(queue);
    host::SetModalDriver([&](DialogUser& user) {
        EXPECT_EQ(user.Text(IDC_PRINTER_QUEUE), queue); // exactly, surrogate pair and all
        EXPECT_EQ(host::spooler::OpenHandles(), 1);
        user.Click(IDOK);
    });
    EXPECT_EQ(Start({L"anything at all", queue}), CSettingToolApp::kExitSaved);
    EXPECT_TRUE(host::MessageBoxes().empty());
    EXPECT_EQ(host::spooler::OpenHandles(), 0);
}

// A filtered administrator: the queue exists but refuses full access to this process.
class RelaunchTest : public SettingToolAppTest
{
  protected:
    static constexpr const wchar_t* kDenyingQueue = L"Front Desk";

    void SetUp() override
    {
        SettingToolAppTest::SetUp();
        host::spooler::AddQueue(kDenyingQueue, false);
        host::elevation::Reset();
        host::elevation::SetElevated(false);
    }
    void TearDown() override
    {
        host::elevation::Reset();
        SettingToolAppTest::TearDown();
    }
};

TEST_F(RelaunchTest, ADeniedQueueStartsTheProgramOnceThroughRunAsAndPassesItsStatusOn)
{
    for (const DWORD childStatus : {0u, 1u, 3u, 259u})
    {
        SetUp();
        host::elevation::SetShellResult(ERROR_SUCCESS, childStatus);
        EXPECT_EQ(Start({L"C:\\dir\\", kDenyingQueue}), static_cast<int>(childStatus));
        ASSERT_EQ(host::elevation::ShellCalls().size(), 1u);
        const host::elevation::ShellCall& call = host::elevation::ShellCalls()[0];
        EXPECT_EQ(call.verb, L"runas");
        EXPECT_EQ(call.file, host::elevation::ProgramPath());
        EXPECT_EQ(call.parameters,
                  L"\"" + std::wstring(kRelaunchMarker) + L"\" \"C:\\dir\\\\\" \"Front Desk\"");
        EXPECT_TRUE(host::MessageBoxes().empty()) << "the first instance showed a message";
        EXPECT_FALSE(m_dialogShown);
        EXPECT_EQ(host::spooler::OpenHandles(), 0);
    }
}

TEST_F(RelaunchTest, ADeclinedPromptOrAFailedStartShowsMessageOneAndEndsWith3)
{
    for (const DWORD error :
         {DWORD{ERROR_CANCELLED}, DWORD{ERROR_FILE_NOT_FOUND}, DWORD{ERROR_ACCESS_DENIED}})
    {
        SetUp();
        host::elevation::SetShellResult(error);
        EXPECT_EQ(Start({L"x", kDenyingQueue}), CSettingToolApp::kExitNoPrinter) << error;
        EXPECT_EQ(host::elevation::ShellCalls().size(), 1u) << error;
        ExpectNotAccessibleMessage();
    }
}

TEST_F(RelaunchTest, NoRelaunchWhenElevatedForAnotherErrorOrWhenAlreadyRelaunched)
{
    const struct
    {
        const char* name;
        bool elevated;
        std::vector<std::wstring> arguments;
    } cases[] = {
        {"elevated", true, {L"x", kDenyingQueue}},
        {"no such queue", false, {L"x", L"No Such Queue"}},
        {"empty name", false, {L"x", L""}},
        {"relaunched", false, {kRelaunchMarker, L"x", kDenyingQueue}},
    };
    for (const auto& c : cases)
    {
        SetUp();
        host::elevation::SetElevated(c.elevated);
        EXPECT_EQ(Start(c.arguments), CSettingToolApp::kExitNoPrinter) << c.name;
        EXPECT_TRUE(host::elevation::ShellCalls().empty()) << c.name;
        ExpectNotAccessibleMessage();
    }
}

TEST_F(RelaunchTest, TheRelaunchedProgramRunsTheDialogForItsQueue)
{
    host::SetModalDriver([](DialogUser& user) {
        EXPECT_EQ(user.Text(IDC_PRINTER_QUEUE), kQueue);
        user.Click(IDCANCEL);
    });
    EXPECT_EQ(Start({kRelaunchMarker, L"x", kQueue}), CSettingToolApp::kExitCancelled);
    EXPECT_TRUE(host::elevation::ShellCalls().empty());
    EXPECT_TRUE(host::MessageBoxes().empty());
}

TEST_F(RelaunchTest, AQueueThatOpensNeedsNoRelaunchAndCancelThenTouchesNothing)
{
    host::SetModalDriver([](DialogUser& user) { user.Click(IDCANCEL); });
    EXPECT_EQ(Start({L"x", kQueue}), CSettingToolApp::kExitCancelled);
    EXPECT_TRUE(host::elevation::ShellCalls().empty());
    EXPECT_TRUE(host::CallLog().empty()) << "stored or restarted";
    EXPECT_TRUE(host::MessageBoxes().empty());
}
} // namespace
