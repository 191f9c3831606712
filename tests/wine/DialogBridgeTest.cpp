// The framework's exception bridge, on a small dialog of its own: an exception cannot pass through
// the window manager's frames, so a handler that throws ends the dialog, and DoModal rethrows the
// exception once the dialog is gone.
#include "BridgeDialog.h"

#include "framework/Dialog.h"

#include <gtest/gtest.h>

namespace
{
struct Thrown
{
    int from;
};

enum class Throws
{
    FromInitDialog,
    FromOk,
    FromOkAndAgainWhileEnding,
};

// Throws from the handlers a test names; OK is pressed as soon as the dialog runs.
class ThrowingDialog : public CDialog
{
  public:
    explicit ThrowingDialog(Throws throws, UINT templateId = IDD_BRIDGE_DIALOG)
        : CDialog(templateId, nullptr), m_throws(throws)
    {
    }

    HWND window = nullptr; // the dialog's window while it ran

  protected:
    BOOL OnInitDialog() override
    {
        window = m_hWnd;
        if (m_throws == Throws::FromInitDialog)
            throw Thrown{1};
        PostMessageW(m_hWnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }
    void OnOK() override { throw Thrown{2}; }
    bool OnMessage(UINT message, WPARAM, LPARAM, INT_PTR&) override
    {
        if (message == WM_DESTROY && m_throws == Throws::FromOkAndAgainWhileEnding)
            throw Thrown{3};
        return false;
    }

  private:
    Throws m_throws;
};

// Which handler's exception DoModal gave back; 0 when it gave none.
int ThrownBy(ThrowingDialog& dialog)
{
    try
    {
        dialog.DoModal();
    }
    catch (const Thrown& thrown)
    {
        return thrown.from;
    }
    return 0;
}

TEST(DialogBridge, AHandlerThatThrowsEndsTheDialogAndDoModalRethrows)
{
    ThrowingDialog dialog(Throws::FromOk);
    EXPECT_EQ(ThrownBy(dialog), 2);
    ASSERT_NE(dialog.window, nullptr);
    EXPECT_FALSE(IsWindow(dialog.window));
}

TEST(DialogBridge, AnExceptionWhileTheDialogStartsEndsItBeforeItRuns)
{
    ThrowingDialog dialog(Throws::FromInitDialog);
    EXPECT_EQ(ThrownBy(dialog), 1);
    ASSERT_NE(dialog.window, nullptr);
    EXPECT_FALSE(IsWindow(dialog.window));
}

TEST(DialogBridge, OnlyTheFirstExceptionComesOut)
{
    ThrowingDialog dialog(Throws::FromOkAndAgainWhileEnding);
    EXPECT_EQ(ThrownBy(dialog), 2);
}

TEST(DialogBridge, ADialogThatCannotBeCreatedGivesMinusOneAndNoException)
{
    ThrowingDialog dialog(Throws::FromInitDialog, IDD_BRIDGE_DIALOG + 1);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(dialog.window, nullptr);
}
} // namespace
