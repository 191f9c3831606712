#pragma once

#include <string>

// The text (UTF-16) as a JSON string, quotes included, in ASCII: everything outside printable
// ASCII is written as \u escapes of its UTF-16 code units (a character outside the BMP as its
// surrogate pair), so the JSON reads the same whatever code page the output is converted to.
std::string JsonString(const std::wstring& text);

// One UTF-16 code unit as a JSON \u escape: four lower-case hex digits ("\u00fc").
std::string EscapedUnit(wchar_t unit);
