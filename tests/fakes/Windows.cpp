// user32 stand-ins: the window tree, the dialog manager, focus, painting and message boxes.
// Messages are delivered synchronously, as SendMessage does on one thread.
#include "Resources.h"
#include "Window.h"

#include "host_desktop.h"
#include "host_text.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <utility>

namespace host::detail
{
namespace
{
struct Desktop
{
    std::set<std::unique_ptr<Window>> windows;
    Window* focus = nullptr;
    std::function<void(HWND)> modalDriver;
    std::vector<MessageBoxRecord> messageBoxes;
    std::vector<DrawnIcon> drawnIcons;
    int iconBackgroundErases = 0;
    DWORD commonControls = 0;
};

Desktop& TheDesktop()
{
    static Desktop desktop;
    return desktop;
}

Kind KindOf(const char* className)
{
    if (std::strcmp(className, "Edit") == 0)
        return Kind::Edit;
    if (std::strcmp(className, "Button") == 0)
        return Kind::Button;
    if (std::strcmp(className, UPDOWN_CLASSA) == 0)
        return Kind::UpDown;
    return Kind::Static;
}

bool CanTakeFocus(const Window* window)
{
    return (window->style & (WS_DISABLED | WS_VISIBLE)) == WS_VISIBLE;
}

// The dialog manager's own handling of what the dialog procedure left alone.
LRESULT DefaultDialogMessage(Window* dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_NEXTDLGCTL: {
        Window* target = lParam != 0 ? Live(reinterpret_cast<HWND>(wParam)) : nullptr;
        if (target != nullptr && CanTakeFocus(target))
        {
            SetFocusTo(target);
            if (target->kind == Kind::Edit)
                ControlMessage(target, EM_SETSEL, 0, -1);
        }
        return 0;
    }
    case WM_CLOSE:
        return SendMessageA(dialog->handle(), WM_COMMAND, IDCANCEL, 0);
    case WM_SETICON: {
        const HICON previous = dialog->icons[wParam == ICON_BIG];
        dialog->icons[wParam == ICON_BIG] = reinterpret_cast<HICON>(lParam);
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_ICONERASEBKGND:
        ++TheDesktop().iconBackgroundErases;
        return TRUE;
    case WM_SETTEXT:
        dialog->text = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
        return TRUE;
    default:
        return ControlMessage(dialog, message, wParam, lParam);
    }
}

Window* CreateFromTemplate(LPCSTR name, HWND parent, DLGPROC proc, LPARAM initParam)
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(name);
    if (dialogTemplate == nullptr || proc == nullptr)
        return nullptr;
    const bool needsUpDown =
        std::any_of(dialogTemplate->controls.begin(), dialogTemplate->controls.end(),
                    [](const ControlTemplate& c) { return KindOf(c.className) == Kind::UpDown; });
    // Windows cannot instantiate a control whose class was never registered.
    if (needsUpDown && (TheDesktop().commonControls & ICC_UPDOWN_CLASS) == 0)
        return nullptr;

    Window* dialog = Create(Kind::Dialog, Live(parent), dialogTemplate->style, 0,
                            dialogTemplate->title, {0, 0, 218, 176});
    dialog->dialogProc = proc;
    for (const ControlTemplate& c : dialogTemplate->controls)
        Create(KindOf(c.className), dialog, c.style, c.id, JapaneseUi() ? c.japanese : c.english,
               {c.rect.left, c.rect.top, c.rect.left + c.rect.right, c.rect.top + c.rect.bottom});

    const auto first =
        std::find_if(dialog->children.begin(), dialog->children.end(),
                     [](Window* w) { return (w->style & WS_TABSTOP) && CanTakeFocus(w); });
    const HWND firstHandle = first != dialog->children.end() ? (*first)->handle() : nullptr;
    if (SendMessageA(dialog->handle(), WM_INITDIALOG, reinterpret_cast<WPARAM>(firstHandle),
                     initParam) &&
        Live(firstHandle) != nullptr)
        SetFocusTo(Live(firstHandle));
    return dialog;
}
} // namespace

Window* Live(HWND handle)
{
    for (const auto& window : TheDesktop().windows)
        if (window->handle() == handle)
            return window.get();
    return nullptr;
}

Window* Create(Kind kind, Window* parent, DWORD style, int id, const std::string& text, RECT rect)
{
    auto window = std::make_unique<Window>();
    window->kind = kind;
    window->style = style;
    window->id = id;
    window->parent = parent;
    window->text = text;
    window->rect = rect;
    Window* created = window.get();
    TheDesktop().windows.insert(std::move(window));
    if (parent != nullptr)
        parent->children.push_back(created);
    return created;
}

void Destroy(Window* window)
{
    for (Window* child : std::vector<Window*>(window->children))
        Destroy(child);
    if (window->kind == Kind::Dialog && window->dialogProc != nullptr)
        window->dialogProc(window->handle(), WM_DESTROY, 0, 0);
    Desktop& desktop = TheDesktop();
    if (desktop.focus == window)
        desktop.focus = nullptr;
    if (window->parent != nullptr)
    {
        auto& siblings = window->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    }
    for (auto it = desktop.windows.begin(); it != desktop.windows.end(); ++it)
        if (it->get() == window)
        {
            desktop.windows.erase(it);
            return;
        }
}

LRESULT Notify(Window* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (window->parent == nullptr)
        return 0;
    return SendMessageA(window->parent->handle(), message, wParam, lParam);
}

void SetFocusTo(Window* window)
{
    TheDesktop().focus = window;
}
} // namespace host::detail

using host::detail::Kind;
using host::detail::Live;
using host::detail::TheDesktop;
using host::detail::Window;

void host::ResetDesktop()
{
    detail::Desktop& desktop = TheDesktop();
    while (!desktop.windows.empty())
    {
        Window* top = desktop.windows.begin()->get();
        while (top->parent != nullptr)
            top = top->parent;
        detail::Destroy(top);
    }
    desktop = detail::Desktop();
    detail::ResetResources();
}

void host::SetModalDriver(std::function<void(HWND)> driver)
{
    TheDesktop().modalDriver = std::move(driver);
}

const std::vector<host::MessageBoxRecord>& host::MessageBoxes()
{
    return TheDesktop().messageBoxes;
}

void host::SetIconic(HWND handle, bool iconic, int clientWidth, int clientHeight)
{
    Window* window = Live(handle);
    window->iconic = iconic;
    window->iconicClient = {0, 0, clientWidth, clientHeight};
}

const std::vector<host::DrawnIcon>& host::DrawnIcons()
{
    return TheDesktop().drawnIcons;
}

int host::IconBackgroundErases()
{
    return TheDesktop().iconBackgroundErases;
}

HICON host::WindowIcon(HWND handle, WPARAM which)
{
    return Live(handle)->icons[which == ICON_BIG];
}

LRESULT WINAPI SendMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Window* window = Live(hWnd);
    if (window == nullptr)
        return 0;
    if (window->kind != Kind::Dialog)
        return host::detail::ControlMessage(window, msg, wParam, lParam);
    const INT_PTR handled = window->dialogProc(hWnd, msg, wParam, lParam);
    // Like the real dialog manager: these results are the procedure's own, the rest default.
    if (msg == WM_INITDIALOG || msg == WM_QUERYDRAGICON || handled)
        return handled;
    return host::detail::DefaultDialogMessage(window, msg, wParam, lParam);
}

BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR text)
{
    return Live(hWnd) != nullptr &&
           SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

BOOL WINAPI SetWindowTextW(HWND hWnd, LPCWSTR text)
{
    return SetWindowTextA(hWnd, host::text::ToAnsi(text != nullptr ? text : L"").c_str());
}

int WINAPI GetWindowTextA(HWND hWnd, LPSTR buffer, int maxCount)
{
    if (Live(hWnd) == nullptr || maxCount <= 0)
        return 0;
    return static_cast<int>(
        SendMessageA(hWnd, WM_GETTEXT, maxCount, reinterpret_cast<LPARAM>(buffer)));
}

int WINAPI GetWindowTextLengthA(HWND hWnd)
{
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL WINAPI EnableWindow(HWND hWnd, BOOL enable)
{
    Window* window = Live(hWnd);
    if (window == nullptr)
        return FALSE;
    const BOOL wasDisabled = (window->style & WS_DISABLED) != 0;
    if (enable)
        window->style &= ~static_cast<DWORD>(WS_DISABLED);
    else
    {
        window->style |= WS_DISABLED;
        if (TheDesktop().focus == window)
            TheDesktop().focus = nullptr;
    }
    return wasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd)
{
    const Window* window = Live(hWnd);
    return window != nullptr && (window->style & WS_DISABLED) == 0;
}

BOOL WINAPI IsWindowVisible(HWND hWnd)
{
    for (const Window* window = Live(hWnd); window != nullptr; window = window->parent)
        if ((window->style & WS_VISIBLE) == 0)
            return FALSE;
    return Live(hWnd) != nullptr;
}

BOOL WINAPI IsWindow(HWND hWnd)
{
    return Live(hWnd) != nullptr;
}

BOOL WINAPI IsIconic(HWND hWnd)
{
    const Window* window = Live(hWnd);
    return window != nullptr && window->iconic;
}

HWND WINAPI GetDlgItem(HWND hDlg, int id)
{
    Window* dialog = Live(hDlg);
    if (dialog == nullptr)
        return nullptr;
    for (Window* child : dialog->children)
        if (child->id == id)
            return child->handle();
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hWnd)
{
    const Window* window = Live(hWnd);
    return window != nullptr ? window->id : 0;
}

HWND WINAPI GetFocus()
{
    Window* focus = TheDesktop().focus;
    return focus != nullptr ? focus->handle() : nullptr;
}

HWND WINAPI GetParent(HWND hWnd)
{
    const Window* window = Live(hWnd);
    return window != nullptr && window->parent != nullptr ? window->parent->handle() : nullptr;
}

LONG WINAPI GetWindowLongA(HWND hWnd, int index)
{
    const Window* window = Live(hWnd);
    if (window == nullptr)
        return 0;
    if (index == GWL_STYLE)
        return static_cast<LONG>(window->style);
    return index == GWL_ID ? window->id : 0;
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int index)
{
    const Window* window = Live(hWnd);
    if (window == nullptr)
        return 0;
    if (index == static_cast<int>(DWLP_USER))
        return window->user;
    return GetWindowLongA(hWnd, index);
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int index, LONG_PTR value)
{
    Window* window = Live(hWnd);
    if (window == nullptr || index != static_cast<int>(DWLP_USER))
        return 0;
    return std::exchange(window->user, value);
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT rect)
{
    const Window* window = Live(hWnd);
    if (window == nullptr || rect == nullptr)
        return FALSE;
    *rect = window->iconic ? window->iconicClient
                           : RECT{0, 0, window->rect.right - window->rect.left,
                                  window->rect.bottom - window->rect.top};
    return TRUE;
}

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT rect)
{
    const Window* window = Live(hWnd);
    if (window == nullptr || rect == nullptr)
        return FALSE;
    *rect = window->rect;
    return TRUE;
}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE, LPCSTR templateName, HWND parent, DLGPROC proc,
                               LPARAM initParam)
{
    Window* dialog = host::detail::CreateFromTemplate(templateName, parent, proc, initParam);
    if (dialog == nullptr)
        return -1;
    if (!dialog->ended && TheDesktop().modalDriver)
        TheDesktop().modalDriver(dialog->handle());
    if (Live(dialog->handle()) != dialog)
        return -1;
    if (!dialog->ended)
        SendMessageA(dialog->handle(), WM_COMMAND, IDCANCEL, 0);
    const INT_PTR result = dialog->ended ? dialog->result : IDCANCEL;
    host::detail::Destroy(dialog);
    return result;
}

HWND WINAPI CreateDialogParamA(HINSTANCE, LPCSTR templateName, HWND parent, DLGPROC proc,
                               LPARAM initParam)
{
    Window* dialog = host::detail::CreateFromTemplate(templateName, parent, proc, initParam);
    return dialog != nullptr ? dialog->handle() : nullptr;
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR result)
{
    Window* dialog = Live(hDlg);
    if (dialog == nullptr || dialog->kind != Kind::Dialog)
        return FALSE;
    if (!dialog->ended)
    {
        dialog->ended = true;
        dialog->result = result;
    }
    return TRUE;
}

BOOL WINAPI DestroyWindow(HWND hWnd)
{
    Window* window = Live(hWnd);
    if (window == nullptr)
        return FALSE;
    host::detail::Destroy(window);
    return TRUE;
}

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    TheDesktop().messageBoxes.push_back(
        {owner, text != nullptr ? text : "", caption != nullptr ? caption : "Error", type});
    return IDOK;
}

int WINAPI GetSystemMetrics(int index)
{
    return index == SM_CXICON || index == SM_CYICON ? 32 : 0;
}

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT paint)
{
    static int paintContext;
    if (Live(hWnd) == nullptr || paint == nullptr)
        return nullptr;
    *paint = PAINTSTRUCT{reinterpret_cast<HDC>(&paintContext), FALSE, {}};
    return paint->hdc;
}

BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT*)
{
    return TRUE;
}

BOOL WINAPI DrawIcon(HDC dc, int x, int y, HICON icon)
{
    TheDesktop().drawnIcons.push_back({dc, x, y, icon});
    return TRUE;
}

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* init)
{
    if (init == nullptr || init->dwSize != sizeof *init)
        return FALSE;
    TheDesktop().commonControls |= init->dwICC;
    return TRUE;
}
