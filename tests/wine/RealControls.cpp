#include "RealControls.h"

#include <commctrl.h>

#include <exception>

namespace
{
struct Pending
{
    const std::function<HWND()>* find;
    const std::function<void(HWND)>* act;
    std::exception_ptr failure;
};
Pending* g_pending = nullptr;

// A modal dialog shows once its loop first runs out of messages, so the timer may come earlier:
// it keeps coming until the window is visible.
void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND dialog = (*g_pending->find)();
    if (dialog == nullptr || !IsWindowVisible(dialog))
        return;
    KillTimer(nullptr, timer);
    try
    {
        (*g_pending->act)(dialog);
    }
    catch (...)
    {
        g_pending->failure = std::current_exception();
    }
}
} // namespace

INT_PTR WhileShown(const std::function<HWND()>& find, const std::function<void(HWND)>& act,
                   const std::function<INT_PTR()>& run)
{
    Pending pending{&find, &act, nullptr};
    g_pending = &pending;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, &OnTimer);
    const INT_PTR result = run();
    KillTimer(nullptr, timer);
    g_pending = nullptr;
    if (pending.failure)
        std::rethrow_exception(pending.failure);
    return result;
}

INT_PTR RealControls::Run(CDialogEvents& events, const std::function<void(DialogUser&)>& user)
{
    return WhileShown([this] { return Dialog(); },
                      [&](HWND dialog) {
                          if (user)
                              user(*this);
                          if (IsOpen())
                              SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0); // Esc
                          if (IsOpen())
                              EndDialog(dialog, IDCANCEL);
                      },
                      [&] { return m_window.DoModal(events); });
}

short RealControls::Spin(int spinId) const
{
    return static_cast<short>(LOWORD(SendMessageW(Item(spinId), UDM_GETPOS, 0, 0)));
}

bool RealControls::Checked(int id) const
{
    return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int RealControls::Focused() const
{
    const HWND focus = GetFocus();
    return focus != nullptr && IsChild(Dialog(), focus) ? GetDlgCtrlID(focus) : 0;
}

std::pair<int, int> RealControls::Selection(int boxId) const
{
    DWORD start = 0, end = 0;
    SendMessageW(Item(boxId), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

void RealControls::Paste(int boxId, const std::wstring& text)
{
    SetWindowTextW(Item(boxId), text.c_str());
}

void RealControls::Key(int boxId, wchar_t key)
{
    SendMessageW(Item(boxId), WM_CHAR, key, 1);
}

void RealControls::ClickSpinUp(int spinId)
{
    RECT spin;
    GetClientRect(Item(spinId), &spin);
    const LPARAM upperHalf = MAKELPARAM(spin.right / 2, spin.bottom / 4);
    SendMessageW(Item(spinId), WM_LBUTTONDOWN, MK_LBUTTON, upperHalf);
    SendMessageW(Item(spinId), WM_LBUTTONUP, 0, upperHalf);
}

void RealControls::Press(int boxId, WPARAM key)
{
    SendMessageW(Item(boxId), WM_KEYDOWN, key, 1);
    SendMessageW(Item(boxId), WM_KEYUP, key, 0xC0000001);
}

std::unique_ptr<ControlsUnderTest> MakeControlsUnderTest()
{
    return std::make_unique<RealControls>();
}
