#pragma once

#include <string>
#include <string_view>
#include <vector>

// Command-line text for starting a program with given arguments: the C runtime's argument split
// and CommandLineToArgvW both give each argument back exactly, whatever it holds (spaces, tabs,
// quotes, backslashes, any UTF-16 text, or nothing at all).

// One argument in quotes. A run of backslashes is doubled where a quote follows it (the embedded
// quote then written as \") and at the end (before the closing quote); elsewhere it is kept.
std::wstring QuoteArgument(std::wstring_view argument);

// The arguments quoted and separated by single spaces.
std::wstring QuoteArguments(const std::vector<std::wstring>& arguments);
