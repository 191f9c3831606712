// The console program's command line mistakes, its help, its messages and its exit statuses.
#include "ConsoleSession.h"

#include "console/Messages.h"

namespace
{
using namespace consoletest;

class CommandsTest : public ConsoleSession
{
};

TEST(MessagesTest, ArgumentsGoInOnceWhereverThePatternPutsThem)
{
    const struct
    {
        const wchar_t* pattern;
        std::vector<std::wstring> arguments;
        const wchar_t* text;
    } cases[] = {
        {L"%1: %2", {L"a", L"b"}, L"a: b"},
        {L"%2 of %1", {L"a", L"b"}, L"b of a"},
        {L"%1", {L"100%2 %1"}, L"100%2 %1"},
        {L"%3 and %", {L"a"}, L"%3 and %"},
        {L"50%", {}, L"50%"},
        {L"%0%1%", {L"x"}, L"%0x%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Substitute(c.pattern, c.arguments), c.text) << c.text;
}

TEST(ExitStatusTest, WorseStatusKeepsTheMoreSeriousOutcomeAndNeverClaimsMoreThanHappened)
{
    // From the least serious up: "stored" (5) yields to any queue not stored, "differs" (1) to
    // one not even read, and a usage mistake (2) to nothing.
    const int ranked[] = {kExitDone,      kExitDiffers,     kExitRestartFailed,
                          kExitNotOpened, kExitStoreFailed, kExitUsage};
    for (size_t a = 0; a < std::size(ranked); ++a)
        for (size_t b = 0; b < std::size(ranked); ++b)
            EXPECT_EQ(WorseStatus(ranked[a], ranked[b]), ranked[std::max(a, b)])
                << ranked[a] << " " << ranked[b];
}

TEST_F(CommandsTest, AnInvalidCommandLineOpensAndStoresNothing)
{
    const struct
    {
        std::vector<std::string> args;
        const char* firstLine;
    } cases[] = {
        {{"set", kQueueName, "Annex", "--interval", "0.05", "--timeout", "60"},
         "The interval '0.05' is not valid: give 0.1 to 240.0 seconds with at most one decimal "
         "after a full stop, or off."},
        {{"check", kQueueName, "--timeout", "4"},
         "The timeout '4' is not valid: give 5 to 600 whole seconds."},
        {{"set", kQueueName, "", "--timeout", "60"},
         "'' is not a printer queue name. Name a queue as NAME or \\\\server\\NAME."},
        {{"set", kQueueName}, "Give --interval, --timeout or both."},
        {{"set", kQueueName, "--timeout"}, "--timeout needs a value."},
        {{"show"}, "Name at least one printer queue, or select queues with --driver or --monitor."},
        {{"show", kQueueName, "--no-restart"},
         "The argument '--no-restart' is not understood here."},
        {{}, "Give a command: show, list, check, set, restart or help."},
        {{"delete", kQueueName}, "'delete' is not a command of SettingToolCmd."},
        {{"restart", kQueueName}, "The argument 'Office Laser' is not understood here."},
        {{"set", kQueueName, "--timeout", "60", "--when-idle", "1.5"},
         "The --when-idle wait '1.5' is not valid: give 0 to 86400 whole seconds."},
    };
    for (const auto& c : cases)
    {
        SetUp();
        EXPECT_EQ(Run(c.args), kExitUsage) << c.firstLine;
        EXPECT_EQ(Lines(Err())[0], c.firstLine);
        EXPECT_NE(Err().find("\nUsage:\n  SettingToolCmd list [--server NAME] "),
                  std::string::npos);
        EXPECT_NE(Err().find("\n  SettingToolCmd help\nNothing was stored."), std::string::npos);
        EXPECT_EQ(Out(), "");
        EXPECT_TRUE(host::spooler::DesiredAccesses().empty()) << c.firstLine;
        EXPECT_TRUE(host::CallLog().empty()) << c.firstLine;
    }
}

TEST_F(CommandsTest, HelpGoesToStandardOutput)
{
    for (const char* help : {"help", "HELP", "--help", "-h", "/?"})
    {
        EXPECT_EQ(Run({help}), kExitDone);
        EXPECT_EQ(Out().find("Shows and changes the language monitor settings"), 0u);
        EXPECT_NE(Out().find("\n  check         tells for each queue whether"), std::string::npos);
        EXPECT_NE(Out().find("\n  --no-restart  stores without restarting"), std::string::npos);
        EXPECT_NE(Out().find("\nExit status: 0 done (check: every queue holds the values given); "
                             "1 check: a queue holds other values;"),
                  std::string::npos);
        EXPECT_EQ(Err(), "");
    }
    host::SetUiLanguage(0x0411);
    Run({"help"});
    EXPECT_NE(Out().find("終了コード: 0 完了"), std::string::npos);
}
} // namespace
