// What the settings dialog relies on from its controls, pinned one fact at a time on the
// settings dialog's own template. Built twice: against the in-memory controls on Linux and
// against the real ones under Wine; the same cases must pass on both.
#include "resource.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
struct Notification
{
    UINT message;
    int id;
    int code;     // notification code (WM_COMMAND) or scroll code (WM_VSCROLL)
    int position; // WM_VSCROLL only
    HWND from;
    std::string text; // the edit's text when an EN_CHANGE arrived
};

// Records what the dialog's controls report to it; the dialog manager does the rest.
struct Recorder
{
    std::vector<Notification> seen;
    std::function<void(HWND edit)> onChange;

    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_INITDIALOG)
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        auto* self = reinterpret_cast<Recorder*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (self == nullptr)
            return FALSE;
        if (message == WM_COMMAND)
        {
            const auto from = reinterpret_cast<HWND>(lParam);
            char text[64] = "";
            if (HIWORD(wParam) == EN_CHANGE)
                GetWindowTextA(from, text, sizeof text);
            self->seen.push_back({message, LOWORD(wParam), HIWORD(wParam), 0, from, text});
            if (HIWORD(wParam) == EN_CHANGE && self->onChange)
                self->onChange(from);
        }
        else if (message == WM_VSCROLL)
        {
            self->seen.push_back({message, GetDlgCtrlID(reinterpret_cast<HWND>(lParam)),
                                  LOWORD(wParam), static_cast<short>(HIWORD(wParam)),
                                  reinterpret_cast<HWND>(lParam), ""});
        }
        return FALSE;
    }

    int Count(UINT message, int id, int code) const
    {
        int count = 0;
        for (const Notification& n : seen)
            count += n.message == message && n.id == id && n.code == code;
        return count;
    }
};

class ControlContract : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS};
        ASSERT_TRUE(InitCommonControlsEx(&controls));
        dialog =
            CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS_DIALOG),
                               nullptr, &Recorder::Proc, reinterpret_cast<LPARAM>(&recorder));
        ASSERT_NE(dialog, nullptr) << GetLastError();
        intervalEdit = GetDlgItem(dialog, IDC_INTERVAL_EDIT);
        intervalSpin = GetDlgItem(dialog, IDC_INTERVAL_SPIN);
        recorder.seen.clear();
    }

    void TearDown() override
    {
        if (dialog != nullptr)
            DestroyWindow(dialog);
    }

    std::string Text(HWND window) const
    {
        char text[256] = "";
        GetWindowTextA(window, text, sizeof text);
        return text;
    }

    short Position(HWND spin) const
    {
        return static_cast<short>(LOWORD(SendMessageA(spin, UDM_GETPOS, 0, 0)));
    }

    void AttachIntervalSpin()
    {
        SendMessageA(intervalSpin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(intervalEdit), 0);
        SendMessageA(intervalSpin, UDM_SETRANGE, 0, MAKELPARAM(2400, 1));
    }

    Recorder recorder;
    HWND dialog = nullptr;
    HWND intervalEdit = nullptr;
    HWND intervalSpin = nullptr;
};

TEST_F(ControlContract, SettingAnEditsTextReportsTheChangeBeforeReturning)
{
    const HWND queue = GetDlgItem(dialog, IDC_PRINTER_QUEUE);
    struct Case
    {
        const char* what;
        HWND edit;
        std::function<void()> before;
    };
    const Case cases[] = {
        {"new text", intervalEdit, [] {}},
        {"equal text", intervalEdit, [] {}},
        {"disabled box", intervalEdit, [&] { EnableWindow(intervalEdit, FALSE); }},
        {"read-only box", queue, [] {}},
    };
    for (const Case& c : cases)
    {
        c.before();
        const int id = GetDlgCtrlID(c.edit);
        const int before = recorder.Count(WM_COMMAND, id, EN_CHANGE);
        SetWindowTextA(c.edit, "2.5");
        EXPECT_EQ(recorder.Count(WM_COMMAND, id, EN_CHANGE), before + 1) << c.what;
        EXPECT_EQ(recorder.seen.back().text, "2.5") << c.what;
    }
}

TEST_F(ControlContract, ATextSetInsideTheChangeHandlerIsHandledNestedBeforeTheOuterSetReturns)
{
    recorder.onChange = [](HWND edit) {
        char text[16] = "";
        GetWindowTextA(edit, text, sizeof text);
        if (std::string(text) == "abc")
            SetWindowTextA(edit, "0.5");
    };
    SetWindowTextA(intervalEdit, "abc");
    std::vector<std::string> changes;
    for (const Notification& n : recorder.seen)
        if (n.code == EN_CHANGE)
            changes.push_back(n.text);
    EXPECT_EQ(changes, (std::vector<std::string>{"abc", "0.5"}));
    EXPECT_EQ(Text(intervalEdit), "0.5");
}

TEST_F(ControlContract, SettingTextPutsTheCaretAtTheStartAndTypingInsertsThere)
{
    SetWindowTextA(intervalEdit, "");
    DWORD start = 99, end = 99;
    SendMessageA(intervalEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
    for (char key : std::string("24"))
        SendMessageA(intervalEdit, WM_CHAR, static_cast<WPARAM>(key), 1);
    EXPECT_EQ(Text(intervalEdit), "24");
    EXPECT_EQ(recorder.Count(WM_COMMAND, IDC_INTERVAL_EDIT, EN_CHANGE), 3);
}

TEST_F(ControlContract, ASpinTakesTheLow16BitsAsSignedAndClampsSilently)
{
    AttachIntervalSpin();
    const struct
    {
        LPARAM given;
        short expected;
    } cases[] = {
        {7, 7},        {0, 1},         {3000, 2400}, {0xFFFF, 1},
        {70000, 2400}, {0x7FFF, 2400}, {2400, 2400}, {1, 1},
    };
    for (const auto& c : cases)
    {
        SendMessageA(intervalSpin, UDM_SETPOS, 0, c.given);
        EXPECT_EQ(Position(intervalSpin), c.expected) << "UDM_SETPOS " << c.given;
    }
    EXPECT_EQ(recorder.Count(WM_VSCROLL, IDC_INTERVAL_SPIN, SB_THUMBPOSITION), 0);
}

TEST_F(ControlContract, ARangeIsGivenAsMaximumInTheLowWordAndMinimumInTheHigh)
{
    SendMessageA(intervalSpin, UDM_SETRANGE, 0, MAKELPARAM(600, 5));
    const LRESULT range = SendMessageA(intervalSpin, UDM_GETRANGE, 0, 0);
    EXPECT_EQ(LOWORD(range), 600);
    EXPECT_EQ(HIWORD(range), 5);
    SendMessageA(intervalSpin, UDM_SETPOS, 0, 4);
    EXPECT_EQ(Position(intervalSpin), 5);
}

TEST_F(ControlContract, SettingTheCheckBoxRaisesNoClickButAClickRaisesOneAndToggles)
{
    const HWND check = GetDlgItem(dialog, IDC_BACKGROUND_ENABLE);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(check, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(recorder.Count(WM_COMMAND, IDC_BACKGROUND_ENABLE, BN_CLICKED), 0);

    SendMessageA(check, BM_CLICK, 0, 0);
    EXPECT_EQ(recorder.Count(WM_COMMAND, IDC_BACKGROUND_ENABLE, BN_CLICKED), 1);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(check, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ControlContract, TheUpKeyInTheBoxMovesTheSpinAndReportsTheNewPosition)
{
    AttachIntervalSpin();
    SendMessageA(intervalSpin, UDM_SETPOS, 0, 7);
    SendMessageA(intervalEdit, WM_KEYDOWN, VK_UP, 1);
    SendMessageA(intervalEdit, WM_KEYUP, VK_UP, 0xC0000001);
    EXPECT_EQ(Position(intervalSpin), 8);
    ASSERT_EQ(recorder.Count(WM_VSCROLL, IDC_INTERVAL_SPIN, SB_THUMBPOSITION), 1);
    for (const Notification& n : recorder.seen)
        if (n.message == WM_VSCROLL && n.code == SB_THUMBPOSITION)
        {
            EXPECT_EQ(n.position, 8);
            EXPECT_EQ(n.from, intervalSpin);
        }
    SendMessageA(intervalEdit, WM_KEYDOWN, VK_DOWN, 1);
    SendMessageA(intervalEdit, WM_KEYUP, VK_DOWN, 0xC0000001);
    EXPECT_EQ(Position(intervalSpin), 7);
}

TEST_F(ControlContract, AClickOnTheUpArrowMovesTheSpinAndEndsWithEndScroll)
{
    AttachIntervalSpin();
    SendMessageA(intervalSpin, UDM_SETPOS, 0, 7);
    RECT spin;
    GetClientRect(intervalSpin, &spin);
    const LPARAM upperHalf = MAKELPARAM(spin.right / 2, spin.bottom / 4);
    SendMessageA(intervalSpin, WM_LBUTTONDOWN, MK_LBUTTON, upperHalf);
    SendMessageA(intervalSpin, WM_LBUTTONUP, 0, upperHalf);
    EXPECT_EQ(Position(intervalSpin), 8);
    std::vector<int> codes;
    for (const Notification& n : recorder.seen)
        if (n.message == WM_VSCROLL)
            codes.push_back(n.code);
    EXPECT_EQ(codes, (std::vector<int>{SB_THUMBPOSITION, SB_ENDSCROLL}));
}

TEST_F(ControlContract, AttachingASpinNarrowsTheBoxAndPutsTheSpinOverItsRightBorder)
{
    RECT boxBefore, box, spin;
    GetWindowRect(intervalEdit, &boxBefore);
    GetWindowRect(intervalSpin, &spin);
    const LONG spinWidth = spin.right - spin.left;
    AttachIntervalSpin();
    GetWindowRect(intervalEdit, &box);
    GetWindowRect(intervalSpin, &spin);
    EXPECT_EQ(box.right - box.left, boxBefore.right - boxBefore.left - spinWidth);
    EXPECT_EQ(spin.right - spin.left, spinWidth);
    EXPECT_EQ(spin.left, box.right - 2); // covers the box's two-pixel border
    EXPECT_EQ(spin.top, box.top);
    EXPECT_EQ(spin.bottom, box.bottom);
}

TEST_F(ControlContract, ADisabledBoxAndSpinKeepTheirTextAndPosition)
{
    AttachIntervalSpin();
    SetWindowTextA(intervalEdit, "0.7");
    SendMessageA(intervalSpin, UDM_SETPOS, 0, 7);
    EnableWindow(intervalEdit, FALSE);
    EnableWindow(intervalSpin, FALSE);
    EXPECT_FALSE(IsWindowEnabled(intervalEdit));
    EXPECT_EQ(Text(intervalEdit), "0.7");
    EXPECT_EQ(Position(intervalSpin), 7);
}

TEST_F(ControlContract, NextDialogControlGivesTheBoxTheFocusAndSelectionSelectsAllItsText)
{
    SetWindowTextA(intervalEdit, "12.5");
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(intervalEdit), TRUE);
    SendMessageA(intervalEdit, EM_SETSEL, 0, -1);
    SendMessageA(intervalEdit, EM_SCROLLCARET, 0, 0);
    EXPECT_EQ(GetFocus(), intervalEdit);
    DWORD start = 99, end = 99;
    SendMessageA(intervalEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
}

TEST_F(ControlContract, TheTemplateKeepsTheQueueBoxReadOnlyAndOutOfTheTabOrder)
{
    const LONG queue = GetWindowLongA(GetDlgItem(dialog, IDC_PRINTER_QUEUE), GWL_STYLE);
    EXPECT_NE(queue & ES_READONLY, 0);
    EXPECT_EQ(queue & WS_TABSTOP, 0);
    for (int id : {IDC_BACKGROUND_ENABLE, IDC_INTERVAL_EDIT, IDC_TIMEOUT_EDIT, IDOK, IDCANCEL})
        EXPECT_NE(GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & WS_TABSTOP, 0) << id;
    for (int id : {IDC_INTERVAL_SPIN, IDC_TIMEOUT_SPIN})
    {
        const LONG spin = GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE);
        EXPECT_EQ(spin & (UDS_ARROWKEYS | UDS_ALIGNRIGHT), UDS_ARROWKEYS | UDS_ALIGNRIGHT) << id;
        EXPECT_EQ(spin & UDS_SETBUDDYINT, 0) << id;
    }
    const LONG check = GetWindowLongA(GetDlgItem(dialog, IDC_BACKGROUND_ENABLE), GWL_STYLE);
    EXPECT_EQ(check & BS_TYPEMASK, BS_AUTOCHECKBOX);
}
} // namespace
