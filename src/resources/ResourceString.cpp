#include "resources/ResourceString.h"

// Far larger than any message of the program; LoadString truncates a longer one safely.
constexpr int kLongestMessage = 2048;

std::wstring LoadResourceString(UINT id)
{
    wchar_t buffer[kLongestMessage];
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, buffer, kLongestMessage);
    return std::wstring(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}
