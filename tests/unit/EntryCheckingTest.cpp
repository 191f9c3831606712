// What the boxes make of typed and pasted text, and where that leaves the spins.
#include "DialogSession.h"

namespace
{
struct Entry
{
    std::wstring typed;
    std::wstring shown;
    short spin;
};

class EntryCheckingTest : public DialogSession
{
  protected:
    void SetUp() override
    {
        DialogSession::SetUp();
        Store(700, 180000); // spins at 7 and 180
    }

    void ExpectEntries(int editId, int spinId, const std::vector<Entry>& entries)
    {
        for (const Entry& entry : entries)
            RunDialog([&](DialogUser& user) {
                user.Paste(editId, entry.typed);
                EXPECT_EQ(user.Text(editId), entry.shown) << entry.typed;
                EXPECT_EQ(user.Spin(spinId), entry.spin) << entry.typed;
            });
    }
};

TEST_F(EntryCheckingTest, AnIntervalTextSetsTheSpinOrIsReplacedByTheBoundOrHalfASecond)
{
    ExpectEntries(IDC_INTERVAL_EDIT, IDC_INTERVAL_SPIN,
                  {
                      {L"abc", L"0.5", 5},
                      {L"2.55", L"2.55", 25},
                      {L"1.2.3", L"1.2.3", 12},
                      {L"300", L"240.0", 2400},
                      {L"240.05", L"240.0", 2400},
                      {L"0.1", L"0.1", 1},
                      {L"0.7", L"0.7", 7},
                      {L".5", L".5", 5},
                      {L"240", L"240", 2400},
                      {L"", L"", 7},     // left alone
                      {L"0", L"0", 7},   // left alone
                      {L"0.", L"0.", 7}, // left alone
                      {L".", L"0.5", 5},
                      {L"0.0", L"0.5", 5},
                      {L"0.05", L"0.5", 5},
                      {L"-1", L"0.5", 5},
                      {L" 7", L"0.5", 5},
                      {L"1,5", L"0.5", 5},
                      {L"6553.7", L"240.0", 2400}, // tenths past 16 bits do not wrap
                      {std::wstring(400, L'9'), L"240.0", 2400},
                  });
}

TEST_F(EntryCheckingTest, ATimeoutTextSetsTheSpinOrIsReplacedByTheNearerBound)
{
    ExpectEntries(IDC_TIMEOUT_EDIT, IDC_TIMEOUT_SPIN,
                  {
                      {L"7.5", L"5", 5},
                      {L"03", L"5", 5},
                      {L"00", L"5", 5},
                      {L"05", L"05", 5},
                      {L"1000", L"600", 600},
                      {L"600", L"600", 600},
                      {L"120", L"120", 120},
                      {L"-1", L"5", 5},
                      {L" 7", L"5", 5},
                      {L"3", L"3", 180},       // left alone
                      {L"", L"", 180},         // left alone
                      {L"65541", L"600", 600}, // seconds past 16 bits do not wrap
                      {std::wstring(400, L'9'), L"600", 600},
                  });
}

TEST_F(EntryCheckingTest, CharactersOutsideAsciiAreNeitherDigitsNorFullStops)
{
    // Full-width forms (U+FF10 to U+FF19, U+FF0E) and characters whose low byte is an ASCII digit
    // or full stop (U+0130, U+0131, U+012E) must not pass for one.
    ExpectEntries(IDC_INTERVAL_EDIT, IDC_INTERVAL_SPIN,
                  {
                      {L"\xFF11", L"0.5", 5},
                      {L"\xFF11\xFF10", L"0.5", 5},
                      {L"2\xFF0E5", L"0.5", 5},
                      {L"\xFF10", L"0.5", 5},  // not the "0" that is left alone
                      {L"0\xFF0E", L"0.5", 5}, // nor "0."
                      {L"\x0131\x0130", L"0.5", 5},
                      {L"2\x012E5", L"0.5", 5},
                      {L"\x30B1", L"0.5", 5}, // a katakana letter
                  });
    ExpectEntries(IDC_TIMEOUT_EDIT, IDC_TIMEOUT_SPIN,
                  {
                      {L"\xFF11\xFF12\xFF10", L"5", 5},
                      {L"\xFF13", L"5", 5}, // not the "3" that is left alone
                      {L"\x0131\x0132\x0130", L"5", 5},
                  });
}

TEST_F(EntryCheckingTest, TypingBuildsValuesThroughTheTextsInBetween)
{
    RunDialog([](DialogUser& user) {
        user.Type(IDC_INTERVAL_EDIT, L"0.0");
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), L"0.5");
        EXPECT_EQ(user.Spin(IDC_INTERVAL_SPIN), 5);

        user.Type(IDC_INTERVAL_EDIT, L"245");
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), L"240.0");
        EXPECT_EQ(user.Spin(IDC_INTERVAL_SPIN), 2400);

        user.Type(IDC_TIMEOUT_EDIT, L"1");
        EXPECT_EQ(user.Spin(IDC_TIMEOUT_SPIN), 180);
        user.Key(IDC_TIMEOUT_EDIT, L'2');
        EXPECT_EQ(user.Spin(IDC_TIMEOUT_SPIN), 12);
        user.Key(IDC_TIMEOUT_EDIT, L'0');
        EXPECT_EQ(user.Spin(IDC_TIMEOUT_SPIN), 120);
        EXPECT_EQ(user.Text(IDC_TIMEOUT_EDIT), L"120");
    });
}

TEST_F(EntryCheckingTest, ADisabledIntervalBoxIsStillChecked)
{
    Store(0, std::nullopt);
    RunDialog([](DialogUser& user) {
        ASSERT_FALSE(user.Enabled(IDC_INTERVAL_EDIT));
        user.Paste(IDC_INTERVAL_EDIT, L"300");
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), L"240.0");
        EXPECT_EQ(user.Spin(IDC_INTERVAL_SPIN), 2400);
    });
}
} // namespace
