// Bringing the dialog up with the stored settings, the Enable box and the spins.
#include "DialogSession.h"

namespace
{
struct Shown
{
    bool checked;
    std::wstring interval;
    short intervalSpin;
    bool intervalEnabled;
    std::wstring timeout;
    short timeoutSpin;
};

class DialogStartTest : public DialogSession
{
  protected:
    static Shown Open()
    {
        Shown shown{};
        RunDialog([&](DialogUser& user) {
            shown = {user.Checked(IDC_BACKGROUND_ENABLE),
                     user.Text(IDC_INTERVAL_EDIT),
                     user.Spin(IDC_INTERVAL_SPIN),
                     user.Enabled(IDC_INTERVAL_EDIT) && user.Enabled(IDC_INTERVAL_SPIN),
                     user.Text(IDC_TIMEOUT_EDIT),
                     user.Spin(IDC_TIMEOUT_SPIN)};
        });
        return shown;
    }

    // Every stored interval from first to last milliseconds comes up as text, the spin at spin.
    static void ExpectIntervalsShownAs(DWORD first, DWORD last, const wchar_t* text, short spin)
    {
        for (DWORD ms = first; ms <= last; ++ms)
        {
            Store(ms, std::nullopt);
            const Shown shown = Open();
            EXPECT_EQ(shown.interval, text) << ms;
            EXPECT_EQ(shown.intervalSpin, spin) << ms;
        }
    }
};

TEST_F(DialogStartTest, ShowsTheStoredValuesInSeconds)
{
    const struct
    {
        const char* what;
        std::optional<DWORD> interval, timeout;
        Shown expected;
    } cases[] = {
        {"typical", 700, 180000, {true, L"0.7", 7, true, L"180", 180}},
        {"nothing stored", std::nullopt, std::nullopt, {true, L"0.5", 5, true, L"180", 180}},
        {"background status off", 0, 180000, {false, L"0.5", 5, false, L"180", 180}},
        {"interval above the range", 250000, 180000, {true, L"240.0", 2400, true, L"180", 180}},
        {"150 ms rounds up", 150, 180000, {true, L"0.2", 2, true, L"180", 180}},
        {"250 ms is halfway", 250, 180000, {true, L"0.3", 3, true, L"180", 180}},
        {"450 ms lies below halfway", 450, 180000, {true, L"0.4", 4, true, L"180", 180}},
        {"timeout of 180.5 s", 700, 180500, {true, L"0.7", 7, true, L"181", 181}},
        {"timeout below 4.5 s is left as text", 700, 3000, {true, L"0.7", 7, true, L"3", 5}},
        {"timeout above the range", 700, 2000000000, {true, L"0.7", 7, true, L"600", 600}},
        {"largest signed interval", 0x7FFFFFFF, 180000, {true, L"240.0", 2400, true, L"180", 180}},
        {"interval negative when signed", 0xFFFFFFFF, 180000, {true, L"0.5", 5, true, L"180", 180}},
        {"timeout negative when signed", 700, 0xFFFFFFF0, {true, L"0.7", 7, true, L"5", 5}},
    };
    for (const auto& c : cases)
    {
        host::spooler::Reset();
        host::spooler::AddQueue(kQueue);
        Store(c.interval, c.timeout);
        const Shown shown = Open();
        EXPECT_EQ(shown.checked, c.expected.checked) << c.what;
        EXPECT_EQ(shown.interval, c.expected.interval) << c.what;
        EXPECT_EQ(shown.intervalSpin, c.expected.intervalSpin) << c.what;
        EXPECT_EQ(shown.intervalEnabled, c.expected.intervalEnabled) << c.what;
        EXPECT_EQ(shown.timeout, c.expected.timeout) << c.what;
        EXPECT_EQ(shown.timeoutSpin, c.expected.timeoutSpin) << c.what;
    }
}

TEST_F(DialogStartTest, EveryStoredIntervalTheSpinCanHoldComesUpAtItsOwnPosition)
{
    for (int position = 1; position <= 2400; ++position)
    {
        Store(static_cast<DWORD>(position) * 100, std::nullopt);
        ASSERT_EQ(Open().intervalSpin, position) << position * 100 << " ms";
    }
}

TEST_F(DialogStartTest, IntervalsBelow50MsComeUpAsTheDefault)
{
    // Their seconds format as "0.0", which the change routine replaces.
    ExpectIntervalsShownAs(1, 49, L"0.5", 5);
}

TEST_F(DialogStartTest, IntervalsFrom50To149MsComeUpAsATenth)
{
    ExpectIntervalsShownAs(50, 149, L"0.1", 1);
}

TEST_F(DialogStartTest, TheQueueNameIsShownAsGiven)
{
    RunDialog([](DialogUser& user) { EXPECT_EQ(user.Text(IDC_PRINTER_QUEUE), L"Office Laser"); });
}

TEST_F(DialogStartTest, SwitchingEnableOnShowsTheStoredValueNotTheTypedOne)
{
    Store(2000, std::nullopt);
    RunDialog([](DialogUser& user) {
        user.Paste(IDC_INTERVAL_EDIT, L"7.5");
        user.Click(IDC_BACKGROUND_ENABLE);
        EXPECT_FALSE(user.Enabled(IDC_INTERVAL_EDIT));
        EXPECT_FALSE(user.Enabled(IDC_INTERVAL_SPIN));
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), L"7.5");
        EXPECT_EQ(user.Spin(IDC_INTERVAL_SPIN), 75);
        user.Click(IDC_BACKGROUND_ENABLE);
        EXPECT_TRUE(user.Enabled(IDC_INTERVAL_EDIT));
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), L"2.0");
        EXPECT_EQ(user.Spin(IDC_INTERVAL_SPIN), 20);
    });
}

TEST_F(DialogStartTest, SwitchingOnWhenOffIsStoredShowsHalfASecond)
{
    Store(0, std::nullopt);
    RunDialog([](DialogUser& user) {
        user.Click(IDC_BACKGROUND_ENABLE);
        EXPECT_TRUE(user.Enabled(IDC_INTERVAL_EDIT));
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), L"0.5");
        EXPECT_EQ(user.Spin(IDC_INTERVAL_SPIN), 5);
    });
}

TEST_F(DialogStartTest, MovingASpinWritesItsPositionIntoTheBox)
{
    Store(700, 180000);
    RunDialog([](DialogUser& user) {
        user.ClickSpinUp(IDC_INTERVAL_SPIN);
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), L"0.8");
        EXPECT_EQ(user.Spin(IDC_INTERVAL_SPIN), 8);
        user.PressUp(IDC_INTERVAL_EDIT);
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), L"0.9");
        user.ClickSpinUp(IDC_TIMEOUT_SPIN);
        EXPECT_EQ(user.Text(IDC_TIMEOUT_EDIT), L"181");
        EXPECT_EQ(user.Spin(IDC_TIMEOUT_SPIN), 181);
    });
}

TEST_F(DialogStartTest, AtTheTopASpinClickKeepsTheBoxAtTheBound)
{
    Store(240000, 600000);
    RunDialog([](DialogUser& user) {
        user.ClickSpinUp(IDC_INTERVAL_SPIN);
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), L"240.0");
        user.ClickSpinUp(IDC_TIMEOUT_SPIN);
        EXPECT_EQ(user.Text(IDC_TIMEOUT_EDIT), L"600");
    });
}
} // namespace
