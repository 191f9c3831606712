// The behaviour of the edit, button and up-down stand-ins, as the dialog relies on it and as
// Windows shows it: an edit reports every text change at once (EN_CHANGE before WM_SETTEXT
// returns, also for equal text and when disabled or read-only), BM_SETCHECK raises no click,
// and an up-down clamps silently and reports only the user's moves.
#include "Window.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace host::detail
{
namespace
{
int Clamp(const Window& spin, int position)
{
    return std::clamp(position, std::min(spin.low, spin.high), std::max(spin.low, spin.high));
}

void ChangeText(Window* edit, std::string text)
{
    edit->text = std::move(text);
    const auto from = reinterpret_cast<LPARAM>(edit->handle());
    Notify(edit, WM_COMMAND, MAKEWPARAM(edit->id, EN_UPDATE), from);
    Notify(edit, WM_COMMAND, MAKEWPARAM(edit->id, EN_CHANGE), from);
}

// The user moved the spin by delta: asks the parent, then reports the new position (also when
// it stayed at a bound).
void SpinAction(Window* spin, int delta)
{
    if ((spin->style & WS_DISABLED) != 0)
        return;
    NMUPDOWN change = {
        {spin->handle(), static_cast<UINT_PTR>(spin->id), UDN_DELTAPOS}, spin->position, delta};
    if (Notify(spin, WM_NOTIFY, spin->id, reinterpret_cast<LPARAM>(&change)) != 0)
        return;
    spin->position = Clamp(*spin, spin->position + change.iDelta);
    Notify(spin, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, spin->position),
           reinterpret_cast<LPARAM>(spin->handle()));
}

Window* SpinOf(Window* edit)
{
    for (Window* sibling : edit->parent->children)
        if (sibling->kind == Kind::UpDown && sibling->buddy == edit &&
            (sibling->style & UDS_ARROWKEYS) != 0)
            return sibling;
    return nullptr;
}

LRESULT EditMessage(Window* edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto length = static_cast<DWORD>(edit->text.size());
    switch (message)
    {
    case WM_SETTEXT:
        edit->selectionStart = edit->selectionEnd = 0;
        ChangeText(edit, lParam != 0 ? reinterpret_cast<const char*>(lParam) : "");
        return TRUE;
    case EM_SETSEL: {
        auto start = static_cast<LONG>(wParam);
        auto end = static_cast<LONG>(lParam);
        if (start < 0)
            start = end = static_cast<LONG>(edit->selectionEnd);
        if (end < 0 || static_cast<DWORD>(end) > length)
            end = static_cast<LONG>(length);
        start = std::min<LONG>(start, static_cast<LONG>(length));
        edit->selectionStart = static_cast<DWORD>(std::min(start, end));
        edit->selectionEnd = static_cast<DWORD>(std::max(start, end));
        return 0;
    }
    case EM_GETSEL:
        if (wParam != 0)
            *reinterpret_cast<DWORD*>(wParam) = edit->selectionStart;
        if (lParam != 0)
            *reinterpret_cast<DWORD*>(lParam) = edit->selectionEnd;
        return MAKELONG(edit->selectionStart, edit->selectionEnd);
    case EM_SCROLLCARET:
        return TRUE;
    case WM_CHAR: {
        if ((edit->style & ES_READONLY) != 0)
            return 0;
        std::string text = edit->text;
        DWORD start = edit->selectionStart;
        const DWORD end = edit->selectionEnd;
        if (wParam == VK_BACK)
        {
            if (start == end && start == 0)
                return 0;
            if (start == end)
                --start;
            text.erase(start, end - start);
        }
        else
        {
            text.replace(start, end - start, 1, static_cast<char>(wParam));
            ++start;
        }
        edit->selectionStart = edit->selectionEnd = start;
        ChangeText(edit, text);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_UP || wParam == VK_DOWN)
            if (Window* spin = SpinOf(edit))
                SpinAction(spin, wParam == VK_UP ? 1 : -1);
        return 0;
    default:
        return 0;
    }
}

LRESULT ButtonMessage(Window* button, UINT message, WPARAM wParam, LPARAM)
{
    const bool checkBox = (button->style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
    switch (message)
    {
    case BM_GETCHECK:
        return checkBox ? button->check : BST_UNCHECKED;
    case BM_SETCHECK:
        if (checkBox)
            button->check = static_cast<int>(wParam);
        return 0;
    case BM_CLICK:
        if ((button->style & WS_DISABLED) != 0)
            return 0;
        if (checkBox)
            button->check = button->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        Notify(button, WM_COMMAND, MAKEWPARAM(button->id, BN_CLICKED),
               reinterpret_cast<LPARAM>(button->handle()));
        return 0;
    default:
        return 0;
    }
}

LRESULT UpDownMessage(Window* spin, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case UDM_SETRANGE:
        spin->high = static_cast<short>(LOWORD(lParam));
        spin->low = static_cast<short>(HIWORD(lParam));
        spin->position = Clamp(*spin, spin->position);
        return 0;
    case UDM_GETRANGE:
        return MAKELONG(spin->high, spin->low);
    case UDM_SETPOS: {
        const int previous = spin->position;
        spin->position = Clamp(*spin, static_cast<short>(LOWORD(lParam)));
        return previous;
    }
    case UDM_GETPOS:
        // The high word is the error flag, which Wine sets whenever the buddy is not kept as an
        // integer: callers must read the low word only.
        return MAKELONG(spin->position, (spin->style & UDS_SETBUDDYINT) == 0 ? 1 : 0);
    case UDM_SETBUDDY: {
        Window* previous = spin->buddy;
        spin->buddy = Live(reinterpret_cast<HWND>(wParam));
        if (spin->buddy != nullptr && (spin->style & UDS_ALIGNRIGHT) != 0)
        {
            // The box narrows by the spin's width and the spin covers the box's right border,
            // as Wine's up-down control places it.
            const LONG border = 2;
            RECT& box = spin->buddy->rect;
            const LONG width = spin->rect.right - spin->rect.left;
            box.right -= width;
            spin->rect = {box.right - border, box.top, box.right - border + width, box.bottom};
        }
        return reinterpret_cast<LRESULT>(previous != nullptr ? previous->handle() : nullptr);
    }
    case UDM_GETBUDDY:
        return reinterpret_cast<LRESULT>(spin->buddy != nullptr ? spin->buddy->handle() : nullptr);
    case WM_LBUTTONDOWN: {
        const int y = static_cast<short>(HIWORD(lParam));
        SpinAction(spin, y < (spin->rect.bottom - spin->rect.top) / 2 ? 1 : -1);
        return 0;
    }
    case WM_LBUTTONUP:
        if ((spin->style & WS_DISABLED) == 0)
            Notify(spin, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, spin->position),
                   reinterpret_cast<LPARAM>(spin->handle()));
        return 0;
    default:
        return 0;
    }
}
} // namespace

LRESULT ControlMessage(Window* control, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_GETTEXT: {
        if (wParam == 0)
            return 0;
        const size_t count = std::min<size_t>(control->text.size(), wParam - 1);
        std::memcpy(reinterpret_cast<char*>(lParam), control->text.data(), count);
        reinterpret_cast<char*>(lParam)[count] = '\0';
        return static_cast<LRESULT>(count);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(control->text.size());
    default:
        break;
    }
    switch (control->kind)
    {
    case Kind::Edit:
        return EditMessage(control, message, wParam, lParam);
    case Kind::Button:
        return ButtonMessage(control, message, wParam, lParam);
    case Kind::UpDown:
        return UpDownMessage(control, message, wParam, lParam);
    default:
        if (message == WM_SETTEXT)
            control->text = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
        return message == WM_SETTEXT ? TRUE : 0;
    }
}
} // namespace host::detail
