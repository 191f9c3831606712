// The in-memory window: one struct for every kind the dialog uses. Private to the host library.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace host::detail
{
enum class Kind
{
    Dialog,
    Edit,
    Button,
    Static,
    UpDown,
};

struct Window
{
    Kind kind;
    DWORD style = 0;
    int id = 0;
    Window* parent = nullptr;
    std::vector<Window*> children;
    std::string text;
    RECT rect = {};
    bool iconic = false;
    RECT iconicClient = {};

    // Dialog
    DLGPROC dialogProc = nullptr;
    LONG_PTR user = 0;
    bool ended = false;
    INT_PTR result = 0;
    HICON icons[2] = {};

    // Edit: the selection, caret at its end
    DWORD selectionStart = 0;
    DWORD selectionEnd = 0;

    // Button
    int check = BST_UNCHECKED;

    // Up-down: a new control's range is 100 down to 0, as on Windows
    int low = 100;
    int high = 0;
    int position = 0;
    Window* buddy = nullptr;

    HWND handle() { return reinterpret_cast<HWND>(this); }
};

// The live window behind a handle, or null for a handle that is not (or no longer) a window.
Window* Live(HWND handle);
Window* Create(Kind kind, Window* parent, DWORD style, int id, const std::string& text, RECT rect);
void Destroy(Window* window);
// A notification to the parent, which is always a dialog here.
LRESULT Notify(Window* window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ControlMessage(Window* control, UINT message, WPARAM wParam, LPARAM lParam);
void SetFocusTo(Window* window);
} // namespace host::detail
