// check: compares, stores nothing, and says per queue what differs.
#include "ConsoleSession.h"

namespace
{
using namespace consoletest;

class CheckCommandTest : public ConsoleSession
{
};

enum class State
{
    kMatches,
    kDiffers,
    kUnopenable,
};

// Every mix of two queues' states: the most serious decides, and nothing is written.
TEST_F(CheckCommandTest, EveryMixOfMatchingDifferingAndUnopenableQueues)
{
    const State states[] = {State::kMatches, State::kDiffers, State::kUnopenable};
    for (const State first : states)
        for (const State second : states)
        {
            SetUp();
            std::vector<std::string> args = {"check", "--interval", "2.5", "--timeout", "60"};
            int expected = kExitDone;
            for (const auto& [name, state] : {std::pair{"First", first}, {"Second", second}})
            {
                args.push_back(name);
                if (state == State::kUnopenable)
                {
                    expected = kExitNotOpened;
                    continue;
                }
                AddStoredQueue(name, 2500, state == State::kMatches ? 60000 : 90000);
                if (state == State::kDiffers && expected == kExitDone)
                    expected = kExitDiffers;
            }
            const std::string what = std::to_string(int(first)) + std::to_string(int(second));
            EXPECT_EQ(Run(args), expected) << what;
            EXPECT_EQ(StoreCalls(), 0) << what;
            EXPECT_EQ(Restarts(), 0) << what;
            for (const DWORD access : host::spooler::DesiredAccesses())
                EXPECT_EQ(access, static_cast<DWORD>(PRINTER_ACCESS_USE)) << what;
            EXPECT_EQ(host::spooler::OpenHandles(), 0) << what;
        }
}

TEST_F(CheckCommandTest, TextSaysPerQueueWhatDiffersAskedAndStored)
{
    AddStoredQueue("Same", 2500, 60000);
    AddStoredQueue("Other", 1000, 60000);
    AddStoredQueue("Off", 0, 4294967295);
    AddQueue("Empty");
    AddQueue("Odd");
    SetValue("Odd", kInterval, REG_SZ, {'2', 0, 0, 0});
    FailReads("Odd", kTimeout, 161);
    EXPECT_EQ(Run({"check", "Same", "Other", "Off", "Empty", "Odd", "Nowhere", "--interval", "2.5",
                   "--timeout", "60"}),
              kExitNotOpened);
    EXPECT_EQ(Out(),
              "Same: holds the settings asked for.\n"
              "Other: differs from the settings asked for:\n"
              "  Interval: asked 2.5 s (2500 ms), holds 1.0 s (1000 ms)\n"
              "Off: differs from the settings asked for:\n"
              "  Interval: asked 2.5 s (2500 ms), holds off (0 ms)\n"
              "  Timeout: asked 60 s (60000 ms), holds 4294967.295 s (4294967295 ms)\n"
              "Empty: differs from the settings asked for:\n"
              "  Interval: asked 2.5 s (2500 ms), holds nothing (the dialog shows the "
              "default, 0.5 s)\n"
              "  Timeout: asked 60 s (60000 ms), holds nothing (the dialog shows the "
              "default, 180 s)\n"
              "Odd: differs from the settings asked for:\n"
              "  Interval: asked 2.5 s (2500 ms), holds REG_SZ of 4 bytes, not a 4-byte "
              "REG_DWORD\n"
              "  Timeout: asked 60 s (60000 ms), holds a value that cannot be read (error 161)\n"
              "Of 6 queues: 1 hold the settings asked for, 4 differ, 1 could not be "
              "opened.\n");
    EXPECT_EQ(Err(), "Nowhere: there is no such printer queue. Check its name.\n");
}

TEST_F(CheckCommandTest, OnlyTheValuesAskedForAreCompared)
{
    Store(2500, 60000);
    EXPECT_EQ(Run({"check", kQueueName, "--timeout", "60"}), kExitDone);
    EXPECT_EQ(Out(), "Office Laser: holds the settings asked for.\n");
    EXPECT_EQ(Run({"check", kQueueName, "--interval", "off"}), kExitDiffers);
    EXPECT_EQ(Run({"check", kQueueName, "--interval", "2.5", "--timeout", "61"}), kExitDiffers);
    EXPECT_EQ(Lines(Out()).size(), 2u);
    Store(0, std::nullopt);
    EXPECT_EQ(Run({"check", kQueueName, "--interval", "OFF"}), kExitDone);
}

TEST_F(CheckCommandTest, JsonGivesOneObjectPerQueueWithWhatWasAskedAndWhatIsStored)
{
    AddStoredQueue("Same", 2500, 60000);
    AddStoredQueue("Other", 1000, 3000);
    EXPECT_EQ(Run({"check", "--json", "Same", "Other", "Nowhere", "--interval", "2.5", "--timeout",
                   "60"}),
              kExitNotOpened);
    EXPECT_EQ(Lines(Out()),
              (std::vector<std::string>{
                  "{\"queue\":\"Same\"," + std::string(kLaserDriverJson) +
                      ",\"result\":\"matches\",\"differs\":[],"
                      "\"intervalAskedMs\":2500,\"intervalSeconds\":2.5,\"intervalMs\":2500,"
                      "\"intervalDefault\":false,\"timeoutAskedMs\":60000,\"timeoutSeconds\":60,"
                      "\"timeoutMs\":60000,\"timeoutDefault\":false,\"error\":0}",
                  "{\"queue\":\"Other\"," + std::string(kLaserDriverJson) +
                      ",\"result\":\"differs\",\"differs\":[\"interval\","
                      "\"timeout\"],\"intervalAskedMs\":2500,\"intervalSeconds\":1.0,"
                      "\"intervalMs\":1000,\"intervalDefault\":false,\"timeoutAskedMs\":60000,"
                      "\"timeoutSeconds\":3,\"timeoutMs\":3000,\"timeoutDefault\":false,"
                      "\"timeoutInDialog\":{\"shows\":\"3\",\"okStoresMs\":null},\"error\":0}",
                  "{\"queue\":\"Nowhere\",\"driver\":null,\"languageMonitor\":null,"
                  "\"result\":\"not-opened\",\"differs\":[],"
                  "\"error\":1801}",
              }));
    EXPECT_EQ(Err(), "Nowhere: there is no such printer queue. Check its name.\n");

    EXPECT_EQ(Run({"check", "--json", "Same", "--interval", "off"}), kExitDiffers);
    EXPECT_EQ(Out(), "{\"queue\":\"Same\"," + std::string(kLaserDriverJson) +
                         ",\"result\":\"differs\",\"differs\":[\"interval\"],"
                         "\"intervalAskedMs\":0,\"intervalSeconds\":2.5,\"intervalMs\":2500,"
                         "\"intervalDefault\":false,\"error\":0}\n");
}

TEST_F(CheckCommandTest, CheckInJapanese)
{
    host::SetUiLanguage(0x0411);
    Store(1000, 60000);
    EXPECT_EQ(Run({"check", kQueueName, "--interval", "2.5", "--timeout", "60"}), kExitDiffers);
    EXPECT_EQ(Out(), "Office Laser: 指定の設定と異なります:\n"
                     "  インターバル: 指定 2.5 秒（2500 ミリ秒）、保存値 1.0 秒（1000 ミリ秒）\n");
}
} // namespace
