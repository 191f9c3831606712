#include "resources/ResourceString.h"

std::string LoadResourceString(UINT id)
{
    // Far larger than any message of the program; LoadStringA truncates a longer one safely.
    char buffer[2048];
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}
