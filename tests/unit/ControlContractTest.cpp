// What the settings dialog's logic relies on from its controls (CDialogControls), pinned one fact
// at a time on the controls of the dialog's template. Built twice: on Linux against the
// in-memory controls, under Wine against the real ones; the same cases must pass on both.
#include "DialogUser.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
enum class Kind
{
    Command,
    Scroll,
};

struct Notification
{
    Kind kind;
    int id;
    int code; // notification code or scroll code
    int position;
    std::wstring text; // the box's text when its change was reported
};

// Records what the controls report; a test may give the change routine something to do.
class Recorder : public CDialogEvents
{
  public:
    explicit Recorder(CDialogControls& controls) : m_controls(controls) {}

    BOOL OnInitDialog() override { return TRUE; }
    void OnCommand(int id, int code) override
    {
        seen.push_back({Kind::Command, id, code, 0,
                        code == EN_CHANGE ? m_controls.GetText(id) : std::wstring()});
        if (code == EN_CHANGE && onChange)
            onChange(id);
    }
    void OnVScroll(int code, int position, int spinId) override
    {
        seen.push_back({Kind::Scroll, spinId, code, position, {}});
    }
    void OnOK() override { m_controls.Close(IDOK); }
    void OnCancel() override { m_controls.Close(IDCANCEL); }

    int Count(Kind kind, int id, int code) const
    {
        int count = 0;
        for (const Notification& n : seen)
            count += n.kind == kind && n.id == id && n.code == code;
        return count;
    }
    // The box's text at each change reported, in order.
    std::vector<std::wstring> Changes(int id) const
    {
        std::vector<std::wstring> texts;
        for (const Notification& n : seen)
            if (n.kind == Kind::Command && n.id == id && n.code == EN_CHANGE)
                texts.push_back(n.text);
        return texts;
    }
    std::vector<Notification> Scrolls() const
    {
        std::vector<Notification> scrolls;
        for (const Notification& n : seen)
            if (n.kind == Kind::Scroll)
                scrolls.push_back(n);
        return scrolls;
    }

    std::vector<Notification> seen;
    std::function<void(int id)> onChange;

  private:
    CDialogControls& m_controls;
};

class ControlContract : public ::testing::Test
{
  protected:
    // Runs steps on the open dialog; what the controls reported before them is forgotten.
    INT_PTR Run(const std::function<void(DialogUser&)>& steps)
    {
        return under->Run(recorder, [&](DialogUser& user) {
            recorder.seen.clear();
            steps(user);
        });
    }

    void AttachIntervalSpin()
    {
        controls.AttachSpin(IDC_INTERVAL_SPIN, IDC_INTERVAL_EDIT);
        controls.SetSpinRange(IDC_INTERVAL_SPIN, 1, 2400);
    }

    std::unique_ptr<ControlsUnderTest> under = MakeControlsUnderTest();
    CDialogControls& controls = under->Controls();
    Recorder recorder{controls};
};

TEST_F(ControlContract, SettingABoxsTextRunsItsChangeRoutineBeforeReturning)
{
    Run([&](DialogUser&) {
        const struct
        {
            const char* what;
            int box;
            std::function<void()> before;
        } cases[] = {
            {"new text", IDC_INTERVAL_EDIT, [] {}},
            {"equal text", IDC_INTERVAL_EDIT, [] {}},
            {"disabled box", IDC_INTERVAL_EDIT, [&] { controls.Enable(IDC_INTERVAL_EDIT, false); }},
            {"read-only box", IDC_PRINTER_QUEUE, [] {}},
        };
        for (const auto& c : cases)
        {
            c.before();
            const size_t before = recorder.Changes(c.box).size();
            controls.SetText(c.box, L"2.5");
            const std::vector<std::wstring> changes = recorder.Changes(c.box);
            ASSERT_EQ(changes.size(), before + 1) << c.what;
            EXPECT_EQ(changes.back(), L"2.5") << c.what;
        }
    });
}

TEST_F(ControlContract, ATextSetInsideTheChangeRoutineIsHandledNestedBeforeTheOuterSetReturns)
{
    recorder.onChange = [&](int box) {
        if (controls.GetText(box) == L"abc")
            controls.SetText(box, L"0.5");
    };
    Run([&](DialogUser&) {
        controls.SetText(IDC_INTERVAL_EDIT, L"abc");
        EXPECT_EQ(recorder.Changes(IDC_INTERVAL_EDIT), (std::vector<std::wstring>{L"abc", L"0.5"}));
        EXPECT_EQ(controls.GetText(IDC_INTERVAL_EDIT), L"0.5");
    });
}

TEST_F(ControlContract, TextOfAnyScriptAndLengthComesBackExactly)
{
    std::wstring emoji = L"Emoji ";
    emoji += {wchar_t(0xD83D), wchar_t(0xDDA8)}; // U+1F5A8 as UTF-16
    emoji += L" Printer";
    const std::wstring texts[] = {
        L"Принтер – 2F",        L"Büro – 2F", L"プリンタ①",
        L"Quote \"Q\" Printer", emoji,        std::wstring(1000, L'q'),
    };
    Run([&](DialogUser& user) {
        for (const std::wstring& text : texts)
        {
            controls.SetText(IDC_PRINTER_QUEUE, text);
            EXPECT_EQ(controls.GetText(IDC_PRINTER_QUEUE), text);
            EXPECT_EQ(user.Text(IDC_PRINTER_QUEUE), text);
        }
    });
}

TEST_F(ControlContract, SettingTextPutsTheCaretAtTheStartAndTypingInsertsThere)
{
    Run([&](DialogUser& user) {
        controls.SetText(IDC_INTERVAL_EDIT, L"");
        EXPECT_EQ(user.Selection(IDC_INTERVAL_EDIT), std::make_pair(0, 0));
        user.Key(IDC_INTERVAL_EDIT, L'2');
        user.Key(IDC_INTERVAL_EDIT, L'4');
        EXPECT_EQ(controls.GetText(IDC_INTERVAL_EDIT), L"24");
        EXPECT_EQ(recorder.Changes(IDC_INTERVAL_EDIT),
                  (std::vector<std::wstring>{L"", L"2", L"24"}));
    });
}

TEST_F(ControlContract, ASpinTakesTheLow16BitsAsSignedAndClampsSilently)
{
    Run([&](DialogUser&) {
        AttachIntervalSpin();
        const struct
        {
            int given;
            short expected;
        } cases[] = {
            {7, 7},         {0, 1},        {3000, 2400}, {0xFFFF, 1},
            {-1, 1},        {70000, 2400}, // low 16 bits 4464, above the range either way
            {65541, 5},                    // low 16 bits 5: the whole value would give 2400
            {0x7FFF, 2400}, {0x8000, 1},   {2400, 2400}, {1, 1},
        };
        for (const auto& c : cases)
        {
            controls.SetSpinPos(IDC_INTERVAL_SPIN, c.given);
            EXPECT_EQ(controls.GetSpinPos(IDC_INTERVAL_SPIN), c.expected) << c.given;
        }
        EXPECT_TRUE(recorder.Scrolls().empty());
    });
}

TEST_F(ControlContract, ASpinsRangeBoundsItsPositionAndUpCountsTowardsItsMaximum)
{
    Run([&](DialogUser& user) {
        controls.AttachSpin(IDC_TIMEOUT_SPIN, IDC_TIMEOUT_EDIT);
        controls.SetSpinRange(IDC_TIMEOUT_SPIN, 5, 600);
        controls.SetSpinPos(IDC_TIMEOUT_SPIN, 4);
        EXPECT_EQ(controls.GetSpinPos(IDC_TIMEOUT_SPIN), 5);
        controls.SetSpinPos(IDC_TIMEOUT_SPIN, 601);
        EXPECT_EQ(controls.GetSpinPos(IDC_TIMEOUT_SPIN), 600);
        controls.SetSpinPos(IDC_TIMEOUT_SPIN, 180);
        user.PressUp(IDC_TIMEOUT_EDIT);
        EXPECT_EQ(controls.GetSpinPos(IDC_TIMEOUT_SPIN), 181);
    });
}

TEST_F(ControlContract, SettingTheCheckBoxRaisesNoClickButAClickRaisesOneAndToggles)
{
    Run([&](DialogUser& user) {
        controls.SetCheck(IDC_BACKGROUND_ENABLE, true);
        EXPECT_TRUE(controls.IsChecked(IDC_BACKGROUND_ENABLE));
        controls.SetCheck(IDC_BACKGROUND_ENABLE, false);
        EXPECT_FALSE(controls.IsChecked(IDC_BACKGROUND_ENABLE));
        EXPECT_EQ(recorder.Count(Kind::Command, IDC_BACKGROUND_ENABLE, BN_CLICKED), 0);

        user.Click(IDC_BACKGROUND_ENABLE);
        EXPECT_EQ(recorder.Count(Kind::Command, IDC_BACKGROUND_ENABLE, BN_CLICKED), 1);
        EXPECT_TRUE(controls.IsChecked(IDC_BACKGROUND_ENABLE));
        user.Click(IDC_BACKGROUND_ENABLE);
        EXPECT_FALSE(controls.IsChecked(IDC_BACKGROUND_ENABLE));
    });
}

TEST_F(ControlContract, TheUpKeyInTheBoxMovesTheSpinAndReportsTheNewPosition)
{
    Run([&](DialogUser& user) {
        AttachIntervalSpin();
        controls.SetSpinPos(IDC_INTERVAL_SPIN, 7);
        user.PressUp(IDC_INTERVAL_EDIT);
        EXPECT_EQ(controls.GetSpinPos(IDC_INTERVAL_SPIN), 8);
        const std::vector<Notification> scrolls = recorder.Scrolls();
        ASSERT_EQ(scrolls.size(), 1u);
        EXPECT_EQ(scrolls[0].code, SB_THUMBPOSITION);
        EXPECT_EQ(scrolls[0].position, 8);
        EXPECT_EQ(scrolls[0].id, IDC_INTERVAL_SPIN);
        user.PressDown(IDC_INTERVAL_EDIT);
        EXPECT_EQ(controls.GetSpinPos(IDC_INTERVAL_SPIN), 7);
    });
}

TEST_F(ControlContract, AClickOnTheUpArrowMovesTheSpinAndEndsWithEndScroll)
{
    Run([&](DialogUser& user) {
        AttachIntervalSpin();
        controls.SetSpinPos(IDC_INTERVAL_SPIN, 7);
        user.ClickSpinUp(IDC_INTERVAL_SPIN);
        EXPECT_EQ(controls.GetSpinPos(IDC_INTERVAL_SPIN), 8);
        std::vector<int> codes;
        for (const Notification& n : recorder.Scrolls())
            codes.push_back(n.code);
        EXPECT_EQ(codes, (std::vector<int>{SB_THUMBPOSITION, SB_ENDSCROLL}));
    });
}

TEST_F(ControlContract, ADisabledBoxAndSpinKeepTheirTextAndPosition)
{
    Run([&](DialogUser& user) {
        AttachIntervalSpin();
        controls.SetText(IDC_INTERVAL_EDIT, L"0.7");
        controls.SetSpinPos(IDC_INTERVAL_SPIN, 7);
        controls.Enable(IDC_INTERVAL_EDIT, false);
        controls.Enable(IDC_INTERVAL_SPIN, false);
        EXPECT_FALSE(user.Enabled(IDC_INTERVAL_EDIT));
        EXPECT_FALSE(user.Enabled(IDC_INTERVAL_SPIN));
        EXPECT_EQ(controls.GetText(IDC_INTERVAL_EDIT), L"0.7");
        EXPECT_EQ(controls.GetSpinPos(IDC_INTERVAL_SPIN), 7);
        controls.Enable(IDC_INTERVAL_EDIT, true);
        EXPECT_TRUE(user.Enabled(IDC_INTERVAL_EDIT));
    });
}

TEST_F(ControlContract, FocusAndSelectGivesTheBoxTheFocusWithAllItsTextSelected)
{
    Run([&](DialogUser& user) {
        controls.SetText(IDC_TIMEOUT_EDIT, L"12.5");
        controls.FocusAndSelect(IDC_TIMEOUT_EDIT);
        EXPECT_EQ(user.Focused(), IDC_TIMEOUT_EDIT);
        EXPECT_EQ(user.Selection(IDC_TIMEOUT_EDIT), std::make_pair(0, 4));
    });
}

TEST_F(ControlContract, CloseEndsTheDialogWithItsResult)
{
    EXPECT_EQ(Run([&](DialogUser& user) {
                  controls.Close(IDOK);
                  EXPECT_FALSE(user.IsOpen());
              }),
              IDOK);
    EXPECT_EQ(Run([](DialogUser& user) { EXPECT_TRUE(user.IsOpen()); }), IDCANCEL);
}
} // namespace
