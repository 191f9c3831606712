// show and list: the stored values told truthfully, and where the dialog would show another.
#include "ConsoleSession.h"

namespace
{
using namespace consoletest;

class ShowCommandTest : public ConsoleSession
{
};

// A value as the spooler holds it: a 4-byte REG_DWORD, another form, missing, or unreadable.
struct Stored
{
    enum Kind
    {
        kDword,
        kOther,
        kMissing,
        kUnreadable,
    } kind;
    DWORD number = 0; // the DWORD, or for kUnreadable the read error
    DWORD type = REG_DWORD;
    std::vector<BYTE> bytes = {};

    void Arrange(const std::string& queue, const char* name) const
    {
        if (kind == kDword)
            SetDword(queue, name, number);
        else if (kind == kOther)
            SetValue(queue, name, type, bytes);
        else if (kind == kUnreadable)
            FailReads(queue, name, number);
    }
};

Stored Dword(DWORD value)
{
    return {Stored::kDword, value};
}
Stored Other(DWORD type, std::vector<BYTE> bytes)
{
    return {Stored::kOther, 0, type, std::move(bytes)};
}
Stored Unreadable(DWORD error)
{
    return {Stored::kUnreadable, error};
}
const Stored kMissing = {Stored::kMissing};

const struct
{
    const char* what;
    Stored interval;
    Stored timeout;
    std::vector<std::string> lines; // after "Printer queue: ..."
    std::string json;               // after the queue's driver and "opened":true, before "error"
} kStoredValues[] = {
    {"nothing stored",
     kMissing,
     kMissing,
     {"  Background status: on", "  Interval: 0.5 s (500 ms, default)",
      "  Timeout: 180 s (180000 ms, default)"},
     "\"backgroundStatus\":true,\"intervalSeconds\":0.5,\"intervalMs\":500,"
     "\"intervalDefault\":true,\"timeoutSeconds\":180,\"timeoutMs\":180000,"
     "\"timeoutDefault\":true"},
    {"values the dialog stores",
     Dword(2500),
     Dword(60000),
     {"  Background status: on", "  Interval: 2.5 s (2500 ms)", "  Timeout: 60 s (60000 ms)"},
     "\"backgroundStatus\":true,\"intervalSeconds\":2.5,\"intervalMs\":2500,"
     "\"intervalDefault\":false,\"timeoutSeconds\":60,\"timeoutMs\":60000,"
     "\"timeoutDefault\":false"},
    {"background status off",
     Dword(0),
     Dword(600000),
     {"  Background status: off", "  Interval: off (0 ms)", "  Timeout: 600 s (600000 ms)"},
     "\"backgroundStatus\":false,\"intervalSeconds\":0.0,\"intervalMs\":0,"
     "\"intervalDefault\":false,\"timeoutSeconds\":600,\"timeoutMs\":600000,"
     "\"timeoutDefault\":false"},
    {"the defaults stored are stored values",
     Dword(500),
     Dword(180000),
     {"  Background status: on", "  Interval: 0.5 s (500 ms)", "  Timeout: 180 s (180000 ms)"},
     "\"backgroundStatus\":true,\"intervalSeconds\":0.5,\"intervalMs\":500,"
     "\"intervalDefault\":false,\"timeoutSeconds\":180,\"timeoutMs\":180000,"
     "\"timeoutDefault\":false"},
    {"the largest 32-bit number, never -0",
     Dword(4294967295),
     Dword(4294967295),
     {"  Background status: on", "  Interval: 4294967.295 s (4294967295 ms)",
      "    The dialog shows 0.5 s for it; OK there stores 500 ms.",
      "  Timeout: 4294967.295 s (4294967295 ms)",
      "    The dialog shows 5 s for it; OK there stores 5000 ms."},
     "\"backgroundStatus\":true,\"intervalSeconds\":4294967.295,\"intervalMs\":4294967295,"
     "\"intervalDefault\":false,\"intervalInDialog\":{\"shows\":\"0.5\",\"okStoresMs\":500},"
     "\"timeoutSeconds\":4294967.295,\"timeoutMs\":4294967295,\"timeoutDefault\":false,"
     "\"timeoutInDialog\":{\"shows\":\"5\",\"okStoresMs\":5000}"},
    {"above the range, and a timeout below 5 s",
     Dword(250000),
     Dword(3000),
     {"  Background status: on", "  Interval: 250.0 s (250000 ms)",
      "    The dialog shows 240.0 s for it; OK there stores 240000 ms.", "  Timeout: 3 s (3000 ms)",
      "    The dialog shows 3 s for it, which OK there refuses until it is changed."},
     "\"backgroundStatus\":true,\"intervalSeconds\":250.0,\"intervalMs\":250000,"
     "\"intervalDefault\":false,\"intervalInDialog\":{\"shows\":\"240.0\",\"okStoresMs\":240000},"
     "\"timeoutSeconds\":3,\"timeoutMs\":3000,\"timeoutDefault\":false,"
     "\"timeoutInDialog\":{\"shows\":\"3\",\"okStoresMs\":null}"},
    {"a text and a short number",
     Other(REG_SZ, {'5', 0, '0', 0, '0', 0, 0, 0}),
     Other(REG_DWORD, {60, 0}),
     {"  Background status: on", "  Interval: REG_SZ of 8 bytes, not a 4-byte REG_DWORD",
      "    The dialog shows 0.5 s for it; OK there stores 500 ms.",
      "  Timeout: REG_DWORD of 2 bytes, not a 4-byte REG_DWORD",
      "    The dialog shows 0 s for it, which OK there refuses until it is changed."},
     "\"backgroundStatus\":true,\"intervalSeconds\":null,\"intervalMs\":null,"
     "\"intervalDefault\":false,\"intervalStoredAs\":{\"type\":\"REG_SZ\",\"bytes\":8},"
     "\"intervalInDialog\":{\"shows\":\"0.5\",\"okStoresMs\":500},"
     "\"timeoutSeconds\":null,\"timeoutMs\":null,\"timeoutDefault\":false,"
     "\"timeoutStoredAs\":{\"type\":\"REG_DWORD\",\"bytes\":2},"
     "\"timeoutInDialog\":{\"shows\":\"0\",\"okStoresMs\":null}"},
    {"binary zeros and a long number",
     Other(REG_BINARY, {0, 0, 0, 0}),
     Other(11, {0x60, 0xEA, 0, 0, 0, 0, 0, 0}),
     {"  Background status: off", "  Interval: REG_BINARY of 4 bytes, not a 4-byte REG_DWORD",
      "    The dialog shows background status off; OK there stores 0 ms.",
      "  Timeout: REG_QWORD of 8 bytes, not a 4-byte REG_DWORD",
      "    The dialog shows 180 s for it; OK there stores 180000 ms."},
     "\"backgroundStatus\":false,\"intervalSeconds\":null,\"intervalMs\":null,"
     "\"intervalDefault\":false,\"intervalStoredAs\":{\"type\":\"REG_BINARY\",\"bytes\":4},"
     "\"intervalInDialog\":{\"shows\":\"off\",\"okStoresMs\":0},"
     "\"timeoutSeconds\":null,\"timeoutMs\":null,\"timeoutDefault\":false,"
     "\"timeoutStoredAs\":{\"type\":\"REG_QWORD\",\"bytes\":8},"
     "\"timeoutInDialog\":{\"shows\":\"180\",\"okStoresMs\":180000}"},
    {"unreadable",
     Unreadable(161),
     Unreadable(5),
     {"  Background status: on", "  Interval: 0.5 s (500 ms, default)",
      "    It could not be read (error 161); the dialog shows the default.",
      "  Timeout: 180 s (180000 ms, default)",
      "    It could not be read (error 5: Access is denied); the dialog shows the default."},
     "\"backgroundStatus\":true,\"intervalSeconds\":0.5,\"intervalMs\":500,"
     "\"intervalDefault\":true,\"intervalReadError\":161,\"timeoutSeconds\":180,"
     "\"timeoutMs\":180000,\"timeoutDefault\":true,\"timeoutReadError\":5"},
};

TEST_F(ShowCommandTest, TellsWhatIsStoredAndWhereTheDialogWouldShowSomethingElse)
{
    for (const auto& c : kStoredValues)
    {
        SetUp();
        c.interval.Arrange(kQueueName, kInterval);
        c.timeout.Arrange(kQueueName, kTimeout);
        EXPECT_EQ(Run({"show", kQueueName}), kExitDone) << c.what;
        std::vector<std::string> lines = {"Printer queue: Office Laser", kLaserDriverLine};
        lines.insert(lines.end(), c.lines.begin(), c.lines.end());
        EXPECT_EQ(Lines(Out()), lines) << c.what;
        EXPECT_EQ(Err(), "") << c.what;

        EXPECT_EQ(Run({"show", "--json", kQueueName}), kExitDone) << c.what;
        EXPECT_EQ(Out(), "{\"queue\":\"Office Laser\"," + std::string(kLaserDriverJson) +
                             ",\"opened\":true," + c.json + ",\"error\":0}\n")
            << c.what;
    }
}

TEST_F(ShowCommandTest, SeveralQueuesAreShownInTurnAndOneThatCannotBeOpenedIsSaidOnce)
{
    AddStoredQueue("Stored", 2500, 60000);
    EXPECT_EQ(Run({"show", kQueueName, "Nowhere", "Stored"}), kExitNotOpened);
    EXPECT_EQ(Out(), "Printer queue: Office Laser\n"
                     "  Driver: Laser Driver, language monitor: Laser Monitor\n"
                     "  Background status: on\n"
                     "  Interval: 0.5 s (500 ms, default)\n"
                     "  Timeout: 180 s (180000 ms, default)\n"
                     "\n"
                     "Printer queue: Stored\n"
                     "  Driver: Laser Driver, language monitor: Laser Monitor\n"
                     "  Background status: on\n"
                     "  Interval: 2.5 s (2500 ms)\n"
                     "  Timeout: 60 s (60000 ms)\n");
    EXPECT_EQ(Err(), "Nowhere: there is no such printer queue. Check its name.\n");

    EXPECT_EQ(Run({"show", "--json", "Nowhere", "Stored"}), kExitNotOpened);
    EXPECT_EQ(Lines(Out())[0], "{\"queue\":\"Nowhere\",\"driver\":null,\"languageMonitor\":null,"
                               "\"opened\":false,\"error\":1801}");
    EXPECT_EQ(Lines(Out()).size(), 2u);
}

TEST_F(ShowCommandTest, ShowInJapanese)
{
    host::SetUiLanguage(0x0411);
    Store(0, 3000);
    EXPECT_EQ(Run({"show", kQueueName}), kExitDone);
    EXPECT_EQ(
        Out(),
        "プリンタキュー: Office Laser\n"
        "  ドライバ: Laser Driver、ランゲージモニタ: Laser Monitor\n"
        "  プリンタステータス: 無効\n"
        "  インターバル: オフ（0 ミリ秒）\n"
        "  タイムアウト: 3 秒（3000 ミリ秒）\n"
        "    ダイアログには 3 秒と表示されますが、値を変更するまで OK では保存できません。\n");
    Run({"show", "Nowhere"});
    EXPECT_EQ(Err(), "Nowhere: そのようなプリンタキューはありません。名前を確認してください。\n");
}

// How JSON escapes them is JsonTest's to pin.
TEST_F(ShowCommandTest, NamesInAnyScriptAreShownAsTheyAre)
{
    for (const char16_t* text : {u"Принтер – 2F", u"Büro – 2F", u"プリンタ①",
                                 u"Quote \"Q\" Printer", u"Emoji 🖨 Printer"})
    {
        const std::wstring name = host::text::Utf16(text);
        host::spooler::AddQueue(name);
        const std::string utf8 = host::text::ToAnsi(name);
        EXPECT_EQ(Run({"show", utf8}), kExitDone) << utf8;
        EXPECT_EQ(Console().Output().substr(0, 16 + name.size()),
                  L"Printer queue: " + name + L"\n");
    }
}

TEST_F(ShowCommandTest, ShowAndListOnlyReadWithTheRightToPrint)
{
    AddQueue("Print Only", false);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"show", kQueueName, "Print Only"}, {"list"}, {"list", "--json"}})
    {
        EXPECT_EQ(Run(args), kExitDone) << args[0];
        EXPECT_NE(Out().find("Print Only"), std::string::npos) << args[0];
        for (const DWORD access : host::spooler::DesiredAccesses())
            EXPECT_EQ(access, static_cast<DWORD>(PRINTER_ACCESS_USE)) << args[0];
    }
    EXPECT_EQ(StoreCalls(), 0);
    EXPECT_EQ(Restarts(), 0);
}

TEST_F(ShowCommandTest, ListShowsLocalQueuesAndConnectionsInAnyScript)
{
    AddStoredQueue("Annex", 1000, 9000);
    AddQueue("プリンタ①");
    host::spooler::AddQueue(L"\\\\printhost\\Front Desk");
    host::spooler::AddQueueAfterNextEnumeration(L"Late Arrival");
    EXPECT_EQ(Run({"list", "--json"}), kExitDone);
    std::vector<std::string> listed;
    for (const std::string& line : Lines(Out()))
        listed.push_back(line.substr(0, line.find(",\"driver\"")));
    // The queue added after the size was asked for is listed too.
    EXPECT_EQ(listed, (std::vector<std::string>{
                          "{\"queue\":\"Annex\"",
                          "{\"queue\":\"Late Arrival\"",
                          "{\"queue\":\"Office Laser\"",
                          "{\"queue\":\"\\\\\\\\printhost\\\\Front Desk\"",
                          "{\"queue\":\"\\u30d7\\u30ea\\u30f3\\u30bf\\u2460\"",
                      }));
    EXPECT_EQ(Run({"list"}), kExitDone);
    EXPECT_NE(Out().find("\nPrinter queue: プリンタ①\n"), std::string::npos);
}

TEST_F(ShowCommandTest, ListSaysWhenThereIsNothingOrTheSpoolerRefuses)
{
    host::spooler::Reset();
    EXPECT_EQ(Run({"list"}), kExitDone);
    EXPECT_EQ(Out(), "There are no printer queues.\n");
    EXPECT_EQ(Run({"list", "--json"}), kExitDone);
    EXPECT_EQ(Out(), "");

    host::spooler::FailEnumeration(ERROR_ACCESS_DENIED);
    EXPECT_EQ(Run({"list"}), kExitNotOpened);
    EXPECT_EQ(Out(), "");
    EXPECT_EQ(
        Err(),
        "This computer: the printer queues could not be listed (error 5: Access is denied).\n");
}
} // namespace
