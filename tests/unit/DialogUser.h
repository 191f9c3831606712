// Works an open settings dialog the way a person does: reads what the controls show, types,
// clicks and presses keys, all through window messages.
#pragma once

#include "resource.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

class DialogUser
{
  public:
    explicit DialogUser(HWND dialog) : m_dialog(dialog) {}

    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }

    std::string Text(int id) const
    {
        char text[512] = "";
        GetWindowTextA(Item(id), text, sizeof text);
        return text;
    }
    short Spin(int id) const
    {
        return static_cast<short>(LOWORD(SendMessageA(Item(id), UDM_GETPOS, 0, 0)));
    }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Checked() const
    {
        return SendMessageA(Item(IDC_BACKGROUND_ENABLE), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    bool HasFocusWithAllSelected(int id) const
    {
        DWORD start = 0, end = 0;
        SendMessageA(Item(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return GetFocus() == Item(id) && start == 0 && end == Text(id).size();
    }

    // Replaces the whole text, as a paste over a selection does.
    void Paste(int id, const std::string& text) const { SetWindowTextA(Item(id), text.c_str()); }
    // Empties the box, then types the keys one by one.
    void Type(int id, const std::string& keys) const
    {
        Paste(id, "");
        for (char key : keys)
            SendMessageA(Item(id), WM_CHAR, static_cast<unsigned char>(key), 1);
    }
    void Click(int id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    void ClickSpinUp(int spinId) const
    {
        const LPARAM upperHalf = MAKELPARAM(2, 2);
        SendMessageA(Item(spinId), WM_LBUTTONDOWN, MK_LBUTTON, upperHalf);
        SendMessageA(Item(spinId), WM_LBUTTONUP, 0, upperHalf);
    }
    void PressUp(int editId) const
    {
        SendMessageA(Item(editId), WM_KEYDOWN, VK_UP, 1);
        SendMessageA(Item(editId), WM_KEYUP, VK_UP, 0xC0000001);
    }

  private:
    HWND m_dialog;
};
