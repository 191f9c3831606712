// Working another process's windows from outside, as a user's input would reach them. Only
// messages that Wine marshals across processes are used: texts travel as UTF-16 (so they
// compare as UTF-8 whatever this process's code page), positions and flags as plain numbers.
#pragma once

#include "Text.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace e2e
{
// The top-level windows of a process, visible or not.
std::vector<HWND> TopLevelWindows(DWORD processId);

std::string TextOf(HWND window);
// Sent, so the target's change handlers have run when it returns.
void SetText(HWND window, const std::string& text);

short SpinPosition(HWND spin);
bool IsChecked(HWND checkBox);
std::pair<int, int> Selection(HWND edit);
// The window that has the keyboard focus in the thread that owns window.
HWND FocusIn(HWND window);

// Posted input: it is handled when the target's message loop reaches it (see Settle).
void PostChar(HWND window, char character);
void PostKey(HWND window, UINT virtualKey);
void PostClick(HWND button);
void PostSpinUpClick(HWND spin);

// Returns once the thread owning marker has handled everything posted to it before this call
// (false on timeout). It posts a harmless change to marker, a read-only edit, and waits for it
// to show: the posted queue of a thread is handled in order.
bool Settle(HWND marker);
} // namespace e2e
