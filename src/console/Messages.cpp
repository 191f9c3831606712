#include "console/Messages.h"

#include "resource.h"

#include <iterator>

std::wstring ErrorArgument(DWORD error)
{
    // Far longer than the system's texts for the errors the console reports; a longer one is
    // left out, the number alone.
    wchar_t text[512];
    // One line: the line ends of the text become spaces.
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                                      FORMAT_MESSAGE_MAX_WIDTH_MASK,
                                  nullptr, error, 0, text, std::size(text), nullptr);
    while (length > 0 && text[length - 1] == L' ')
        --length;
    if (length > 0 && (text[length - 1] == L'.' || text[length - 1] == L'\u3002'))
        --length;
    const std::wstring number = NumberArgument(error);
    return length == 0 ? number : Message(IDS_CMD_ERROR_TEXT, {number, std::wstring(text, length)});
}
