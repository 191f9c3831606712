#pragma once

#include "console/Json.h"
#include "console/QueueSettings.h"

#include <string>

// How the console program writes the settings, in text and JSON.

enum class SettingKind
{
    kInterval,
    kTimeout,
};

// Milliseconds as seconds, exactly, with at least minDecimals decimals and no more than needed:
// 2500 gives "2.5", 49 gives "0.049", 4294967295 gives "4294967.295". The number is the unsigned
// 32-bit value stored, never negative.
std::string ExactSeconds(DWORD milliseconds, int minDecimals);

// "interval" or "timeout", as JSON names them.
std::string JsonName(SettingKind kind);

// Milliseconds asked for or stored, in the user's language: "2.5 s (2500 ms)", "off (0 ms)".
std::wstring MillisecondsText(SettingKind kind, DWORD milliseconds);

// What a queue holds for the setting, for check's list of differences: the milliseconds, or
// that nothing is stored, that it cannot be read, or in which other form it is stored.
std::wstring StoredText(SettingKind kind, const StoredSetting& setting);

// show's lines for a queue: background status, then each setting with, where the dialog would
// show something other than what is stored, a line saying what it shows and what OK there
// stores.
std::wstring SettingsLines(const QueueSettings& settings);

// The members that describe the setting as stored:
//   "<name>Seconds":S,"<name>Ms":N,"<name>Default":B
// with S and N null for a value that is not a 4-byte REG_DWORD, and the default the dialog shows
// (Default true) for one that is missing or cannot be read; then, where they apply,
//   "<name>ReadError":E, "<name>StoredAs":{"type":"REG_SZ","bytes":N} and
//   "<name>InDialog":{"shows":"0.5","okStoresMs":M} (M null when OK refuses the text).
void AddSettingJson(CJsonObject& json, SettingKind kind, const StoredSetting& setting);
