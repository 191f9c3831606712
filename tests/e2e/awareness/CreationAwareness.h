// What the awareness hook (CreationAwarenessHook.cpp) leaves on every window created while it is
// set: the DPI awareness its thread had at that moment, which is the awareness the window keeps.
// Read from outside, it tells whether a program declared its awareness before that window.
#pragma once

// The window property: the DPI_AWARENESS value plus one, so that 0 means "not recorded".
inline constexpr wchar_t kCreationAwarenessProperty[] = L"SettingToolTest.CreationAwareness";
