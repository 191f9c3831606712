#include "Windows.h"

#include "Wait.h"

#include <commctrl.h>

namespace e2e
{
namespace
{
// A target that stops answering fails the test instead of hanging it.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kActionTimeoutMs,
                             &result))
        return 0;
    return static_cast<LRESULT>(result);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<std::pair<DWORD, std::vector<HWND>*>*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->first)
        search->second->push_back(window);
    return TRUE;
}
} // namespace

std::vector<HWND> TopLevelWindows(DWORD processId)
{
    std::vector<HWND> windows;
    std::pair<DWORD, std::vector<HWND>*> search(processId, &windows);
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return windows;
}

std::string TextOf(HWND window)
{
    const LRESULT length = Send(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return Utf8(text);
}

void SetText(HWND window, const std::string& text)
{
    const std::wstring wide = Wide(text);
    Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

short SpinPosition(HWND spin)
{
    // Without UDS_SETBUDDYINT Wine sets the high word (error flag): only the low word counts.
    return static_cast<short>(LOWORD(Send(spin, UDM_GETPOS, 0, 0)));
}

bool IsChecked(HWND checkBox)
{
    return Send(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::pair<int, int> Selection(HWND edit)
{
    const LRESULT range = Send(edit, EM_GETSEL, 0, 0);
    return {LOWORD(range), HIWORD(range)};
}

HWND FocusIn(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

void PostChar(HWND window, char character)
{
    PostMessageW(window, WM_CHAR, static_cast<unsigned char>(character), 1);
}

void PostKey(HWND window, UINT virtualKey)
{
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(window, WM_KEYDOWN, virtualKey, scan | 1);
    PostMessageW(window, WM_KEYUP, virtualKey, scan | 1 | (LPARAM(3) << 30));
}

void PostClick(HWND button)
{
    PostMessageW(button, BM_CLICK, 0, 0);
}

void PostSpinUpClick(HWND spin)
{
    RECT client = {};
    GetClientRect(spin, &client);
    const LPARAM upperHalf = MAKELPARAM(client.right / 2, client.bottom / 4);
    PostMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, upperHalf);
    PostMessageW(spin, WM_LBUTTONUP, 0, upperHalf);
}

bool Settle(HWND marker)
{
    static WPARAM next = 0x7000;
    const WPARAM limit = ++next;
    if (!PostMessageW(marker, EM_SETLIMITTEXT, limit, 0))
        return false;
    return WaitUntil(
        [&] { return static_cast<WPARAM>(Send(marker, EM_GETLIMITTEXT, 0, 0)) == limit; },
        kActionTimeoutMs);
}
} // namespace e2e
