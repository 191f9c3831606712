#include "resources/ResourceString.h"

// Far larger than any message of the program; LoadString truncates a longer one safely.
constexpr int kLongestMessage = 2048;

std::string LoadResourceString(UINT id)
{
    char buffer[kLongestMessage];
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, kLongestMessage);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

std::wstring LoadResourceStringW(UINT id)
{
    wchar_t buffer[kLongestMessage];
    const int length = LoadStringW(GetModuleHandleA(nullptr), id, buffer, kLongestMessage);
    return std::wstring(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}
