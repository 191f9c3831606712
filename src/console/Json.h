#pragma once

#include <string>

// The ANSI text as a JSON string, quotes included. Everything outside printable ASCII is written
// as \u escapes of its UTF-16 code units, so the JSON reads the same whatever code page the
// console converts it to.
std::string JsonString(const std::string& ansiText);
