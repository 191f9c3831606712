#pragma once

#include <string>
#include <windows.h>

// A window object: a non-owning handle with the few calls the dialogs need, each forwarding to
// the window manager. It stands for one window and is never copied; the window outlives it or
// is gone, and then the calls do nothing.
class CWnd
{
  public:
    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // The whole text, UTF-16, however long.
    std::wstring GetWindowText() const;
    void SetWindowText(const wchar_t* text) { ::SetWindowTextW(m_hWnd, text); }
    // Returns whether the window was disabled before.
    bool EnableWindow(bool enable) { return ::EnableWindow(m_hWnd, enable) != FALSE; }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    bool IsIconic() const { return ::IsIconic(m_hWnd) != FALSE; }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }

  protected:
    HWND m_hWnd = nullptr;
};
