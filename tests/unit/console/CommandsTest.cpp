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
    const struct
    {
        int a;
        int b;
        int worse;
    } cases[] = {
        {0, 0, 0}, {0, 5, 5}, {5, 3, 3}, {3, 5, 3}, {3, 4, 4}, {4, 3, 4},
        {5, 4, 4}, {4, 0, 4}, {2, 4, 2}, {0, 1, 1}, {1, 3, 3}, {3, 1, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WorseStatus(c.a, c.b), c.worse) << c.a << " " << c.b;
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
        {{"set", kQueueName, "--timeout", "60", "--interval", "2,5"},
         "The interval '2,5' is not valid: give 0.1 to 240.0 seconds with at most one decimal "
         "after a full stop, or off."},
        {{"check", kQueueName, "--timeout", "4"},
         "The timeout '4' is not valid: give 5 to 600 whole seconds."},
        {{"set", kQueueName, "", "--timeout", "60"},
         "'' is not a printer queue name. Name a queue as NAME or \\\\server\\NAME."},
        {{"set", kQueueName}, "Give --interval, --timeout or both."},
        {{"set", kQueueName, "--timeout"}, "--timeout needs a value."},
        {{"show"}, "Name at least one printer queue."},
        {{"show", kQueueName, "--no-restart"},
         "The argument '--no-restart' is not understood here."},
        {{}, "Give a command: show, list, check, set or help."},
        {{"delete", kQueueName}, "'delete' is not a command of SettingToolCmd."},
        {{"bogus"}, "'bogus' is not a command of SettingToolCmd."},
    };
    for (const auto& c : cases)
    {
        SetUp();
        EXPECT_EQ(Run(c.args), kExitUsage) << c.firstLine;
        EXPECT_EQ(Lines(Err())[0], c.firstLine);
        EXPECT_NE(Err().find("\nUsage:\n  SettingToolCmd show QUEUE... [--json]\n"),
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
        EXPECT_NE(Out().find("\n  check         tells for each queue named"), std::string::npos);
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
