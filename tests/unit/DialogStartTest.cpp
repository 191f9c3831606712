// Bringing the dialog up with the stored settings, the Enable box, the spins and the icon.
#include "HostSession.h"

namespace
{
struct Shown
{
    bool checked;
    std::string interval;
    short intervalSpin;
    bool intervalEnabled;
    std::string timeout;
    short timeoutSpin;
};

class DialogStartTest : public HostSession
{
  protected:
    static Shown Open()
    {
        Shown shown{};
        RunDialog([&](const DialogUser& user) {
            shown = {user.Checked(),
                     user.Text(IDC_INTERVAL_EDIT),
                     user.Spin(IDC_INTERVAL_SPIN),
                     user.Enabled(IDC_INTERVAL_EDIT) && user.Enabled(IDC_INTERVAL_SPIN),
                     user.Text(IDC_TIMEOUT_EDIT),
                     user.Spin(IDC_TIMEOUT_SPIN)};
        });
        return shown;
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
        {"typical", 700, 180000, {true, "0.7", 7, true, "180", 180}},
        {"nothing stored", std::nullopt, std::nullopt, {true, "0.5", 5, true, "180", 180}},
        {"background status off", 0, 180000, {false, "0.5", 5, false, "180", 180}},
        {"interval above the range", 250000, 180000, {true, "240.0", 2400, true, "180", 180}},
        {"150 ms rounds up", 150, 180000, {true, "0.2", 2, true, "180", 180}},
        {"250 ms is halfway", 250, 180000, {true, "0.3", 3, true, "180", 180}},
        {"450 ms lies below halfway", 450, 180000, {true, "0.4", 4, true, "180", 180}},
        {"timeout of 180.5 s", 700, 180500, {true, "0.7", 7, true, "181", 181}},
        {"timeout below 4.5 s is left as text", 700, 3000, {true, "0.7", 7, true, "3", 5}},
        {"timeout above the range", 700, 2000000000, {true, "0.7", 7, true, "600", 600}},
        {"largest signed interval", 0x7FFFFFFF, 180000, {true, "240.0", 2400, true, "180", 180}},
        {"interval negative when signed", 0xFFFFFFFF, 180000, {true, "0.5", 5, true, "180", 180}},
        {"timeout negative when signed", 700, 0xFFFFFFF0, {true, "0.7", 7, true, "5", 5}},
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

TEST_F(DialogStartTest, IntervalsBelowATenthComeUpAsTheDefault)
{
    for (DWORD ms = 1; ms < 150; ++ms)
    {
        Store(ms, std::nullopt);
        const Shown shown = Open();
        const bool belowHalfATenth = ms < 50;
        EXPECT_EQ(shown.interval, belowHalfATenth ? "0.5" : "0.1") << ms;
        EXPECT_EQ(shown.intervalSpin, belowHalfATenth ? 5 : 1) << ms;
    }
}

TEST_F(DialogStartTest, TheQueueNameIsShownInTheReadOnlyBoxAndEnableHasTheFocus)
{
    RunDialog([](const DialogUser& user) {
        EXPECT_EQ(user.Text(IDC_PRINTER_QUEUE), "Office Laser");
        EXPECT_EQ(GetFocus(), user.Item(IDC_BACKGROUND_ENABLE));
    });
}

TEST_F(DialogStartTest, SwitchingEnableOnShowsTheStoredValueNotTheTypedOne)
{
    Store(2000, std::nullopt);
    RunDialog([](const DialogUser& user) {
        user.Paste(IDC_INTERVAL_EDIT, "7.5");
        user.Click(IDC_BACKGROUND_ENABLE);
        EXPECT_FALSE(user.Enabled(IDC_INTERVAL_EDIT));
        EXPECT_FALSE(user.Enabled(IDC_INTERVAL_SPIN));
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), "7.5");
        EXPECT_EQ(user.Spin(IDC_INTERVAL_SPIN), 75);
        user.Click(IDC_BACKGROUND_ENABLE);
        EXPECT_TRUE(user.Enabled(IDC_INTERVAL_EDIT));
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), "2.0");
        EXPECT_EQ(user.Spin(IDC_INTERVAL_SPIN), 20);
    });
}

TEST_F(DialogStartTest, SwitchingOnWhenOffIsStoredShowsHalfASecond)
{
    Store(0, std::nullopt);
    RunDialog([](const DialogUser& user) {
        user.Click(IDC_BACKGROUND_ENABLE);
        EXPECT_TRUE(user.Enabled(IDC_INTERVAL_EDIT));
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), "0.5");
        EXPECT_EQ(user.Spin(IDC_INTERVAL_SPIN), 5);
    });
}

TEST_F(DialogStartTest, MovingASpinWritesItsPositionIntoTheBox)
{
    Store(700, 180000);
    RunDialog([](const DialogUser& user) {
        user.ClickSpinUp(IDC_INTERVAL_SPIN);
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), "0.8");
        EXPECT_EQ(user.Spin(IDC_INTERVAL_SPIN), 8);
        user.PressUp(IDC_INTERVAL_EDIT);
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), "0.9");
        user.ClickSpinUp(IDC_TIMEOUT_SPIN);
        EXPECT_EQ(user.Text(IDC_TIMEOUT_EDIT), "181");
        EXPECT_EQ(user.Spin(IDC_TIMEOUT_SPIN), 181);
    });
}

TEST_F(DialogStartTest, AtTheTopASpinClickKeepsTheBoxAtTheBound)
{
    Store(240000, 600000);
    RunDialog([](const DialogUser& user) {
        user.ClickSpinUp(IDC_INTERVAL_SPIN);
        EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), "240.0");
        user.ClickSpinUp(IDC_TIMEOUT_SPIN);
        EXPECT_EQ(user.Text(IDC_TIMEOUT_EDIT), "600");
    });
}

TEST_F(DialogStartTest, TheDialogCarriesTheProgramIconAndDrawsItWhenMinimised)
{
    RunDialog([](const DialogUser& user) {
        const HWND dialog = GetParent(user.Item(IDOK));
        const HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(IDR_MAINFRAME));
        EXPECT_EQ(host::WindowIcon(dialog, ICON_BIG), icon);
        EXPECT_EQ(host::WindowIcon(dialog, ICON_SMALL), icon);
        EXPECT_EQ(SendMessageA(dialog, WM_QUERYDRAGICON, 0, 0), reinterpret_cast<LRESULT>(icon));

        SendMessageA(dialog, WM_PAINT, 0, 0);
        EXPECT_TRUE(host::DrawnIcons().empty());
        host::SetIconic(dialog, true, 37, 40);
        SendMessageA(dialog, WM_PAINT, 0, 0);
        ASSERT_EQ(host::DrawnIcons().size(), 1u);
        EXPECT_EQ(host::DrawnIcons()[0].x, 3); // (37 - 32 + 1) / 2
        EXPECT_EQ(host::DrawnIcons()[0].y, 4); // (40 - 32 + 1) / 2
        EXPECT_EQ(host::DrawnIcons()[0].icon, icon);
        EXPECT_EQ(host::IconBackgroundErases(), 1);
    });
}
} // namespace
