// The driver's texts are UTF-8, whatever the code page of the run; the programs' are UTF-16.
#pragma once

#include <string>

namespace e2e
{
std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);
} // namespace e2e
