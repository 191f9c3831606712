#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The values a command line may give, checked before anything is stored. The numbers follow the
// dialog's ranges, but a value outside them is refused, never clamped.

// "off" (any case) gives 0, background status off; otherwise 0.1 to 240.0 seconds written as
// digits with at most one decimal after a full stop ("2", "2.5", "240.0"), in milliseconds.
// Only ASCII digits count: a full-width "１" is not a 1.
std::optional<DWORD> ParseIntervalSetting(const std::wstring& text);

// 5 to 600 whole seconds, digits only, in milliseconds.
std::optional<DWORD> ParseTimeoutSetting(const std::wstring& text);

// The longest wait for idle before a restart that --when-idle takes: a day.
constexpr DWORD kMaxWhenIdleSeconds = 86400;

// 0 to kMaxWhenIdleSeconds whole seconds, digits only.
std::optional<DWORD> ParseWhenIdleSetting(const std::wstring& text);
