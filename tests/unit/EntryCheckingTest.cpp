// What the boxes make of typed and pasted text, and where that leaves the spins.
#include "HostSession.h"

namespace
{
struct Entry
{
    std::string typed;
    std::string shown;
    short spin;
};

class EntryCheckingTest : public HostSession
{
  protected:
    void SetUp() override
    {
        HostSession::SetUp();
        Store(700, 180000); // spins at 7 and 180
    }

    void ExpectEntries(int editId, int spinId, const std::vector<Entry>& entries)
    {
        for (const Entry& entry : entries)
            RunDialog([&](const DialogUser& user) {
                user.Paste(editId, entry.typed);
                EXPECT_EQ(user.Text(editId), entry.shown) << '"' << entry.typed << '"';
                EXPECT_EQ(user.Spin(spinId), entry.spin) << '"' << entry.typed << '"';
            });
    }
};

TEST_F(EntryCheckingTest, IntervalTexts)
{
    ExpectEntries(IDC_INTERVAL_EDIT, IDC_INTERVAL_SPIN,
                  {
                      {"abc", "0.5", 5},
                      {"2.55", "2.55", 25},
                      {"1.2.3", "1.2.3", 12},
                      {"300", "240.0", 2400},
                      {"240.05", "240.0", 2400},
                      {"0.1", "0.1", 1},
                      {"0.7", "0.7", 7},
                      {".5", ".5", 5},
                      {"240", "240", 2400},
                      {"", "", 7},     // left alone
                      {"0", "0", 7},   // left alone
                      {"0.", "0.", 7}, // left alone
                      {".", "0.5", 5},
                      {"0.0", "0.5", 5},
                      {"0.05", "0.5", 5},
                      {"-1", "0.5", 5},
                      {" 7", "0.5", 5},
                      {"1,5", "0.5", 5},
                      {"\x83\x50", "0.5", 5},    // a double-byte character
                      {"6553.7", "240.0", 2400}, // tenths past 16 bits do not wrap
                      {std::string(400, '9'), "240.0", 2400},
                  });
}

TEST_F(EntryCheckingTest, TimeoutTexts)
{
    ExpectEntries(IDC_TIMEOUT_EDIT, IDC_TIMEOUT_SPIN,
                  {
                      {"7.5", "5", 5},
                      {"03", "5", 5},
                      {"00", "5", 5},
                      {"05", "05", 5},
                      {"1000", "600", 600},
                      {"600", "600", 600},
                      {"120", "120", 120},
                      {"-1", "5", 5},
                      {" 7", "5", 5},
                      {"3", "3", 180},       // left alone
                      {"", "", 180},         // left alone
                      {"65541", "600", 600}, // seconds past 16 bits do not wrap
                      {std::string(400, '9'), "600", 600},
                  });
}

TEST_F(EntryCheckingTest, TypingBuildsValuesThroughTheTextsInBetween)
{
    RunDialog([](const DialogUser& user) {
        user.Type(IDC_INTERVAL_EDIT, "0.0");
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), "0.5");
        EXPECT_EQ(user.Spin(IDC_INTERVAL_SPIN), 5);

        user.Type(IDC_INTERVAL_EDIT, "245");
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), "240.0");
        EXPECT_EQ(user.Spin(IDC_INTERVAL_SPIN), 2400);

        user.Type(IDC_TIMEOUT_EDIT, "1");
        EXPECT_EQ(user.Spin(IDC_TIMEOUT_SPIN), 180);
        SendMessageA(user.Item(IDC_TIMEOUT_EDIT), WM_CHAR, '2', 1);
        EXPECT_EQ(user.Spin(IDC_TIMEOUT_SPIN), 12);
        SendMessageA(user.Item(IDC_TIMEOUT_EDIT), WM_CHAR, '0', 1);
        EXPECT_EQ(user.Spin(IDC_TIMEOUT_SPIN), 120);
        EXPECT_EQ(user.Text(IDC_TIMEOUT_EDIT), "120");
    });
}

TEST_F(EntryCheckingTest, ADisabledIntervalBoxIsStillChecked)
{
    Store(0, std::nullopt);
    RunDialog([](const DialogUser& user) {
        ASSERT_FALSE(user.Enabled(IDC_INTERVAL_EDIT));
        user.Paste(IDC_INTERVAL_EDIT, "300");
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), "240.0");
        EXPECT_EQ(user.Spin(IDC_INTERVAL_SPIN), 2400);
    });
}
} // namespace
