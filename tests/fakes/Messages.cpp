// The string table and message boxes. The strings are the resource script's own (messages.h), in
// UTF-8: the ANSI code page of this build.
#include "host_messages.h"
#include "host_text.h"

#include "messages.h"

#include <algorithm>
#include <string>

namespace
{
using host::text::FromAnsi;

WORD g_language = 0x0409;
std::vector<host::MessageBoxRecord> g_messageBoxes;

// The text of the string in the user's language, "" when there is none. The tests' one program
// holds the strings of both programs.
std::string Lookup(UINT id)
{
    const auto find = [id](const auto& table) -> const MessageText* {
        for (const MessageText& message : table)
            if (message.id == id)
                return &message;
        return nullptr;
    };
    const MessageText* message = find(kDialogMessages);
    message = message != nullptr ? message : find(kConsoleMessages);
    if (message == nullptr)
        return "";
    return g_language == 0x0411 ? message->japanese : message->english;
}

// LoadString's copy: as much as fits, always terminated; the count of characters copied.
template <typename Char>
int CopyOut(const std::basic_string<Char>& text, Char* buffer, int bufferMax)
{
    if (buffer == nullptr || bufferMax <= 0)
        return 0;
    const size_t count = std::min(text.size(), static_cast<size_t>(bufferMax - 1));
    std::copy_n(text.begin(), count, buffer);
    buffer[count] = Char();
    return static_cast<int>(count);
}
} // namespace

void host::ResetMessages()
{
    g_language = 0x0409;
    g_messageBoxes.clear();
}

void host::SetUiLanguage(WORD languageId)
{
    g_language = languageId;
}

const std::vector<host::MessageBoxRecord>& host::MessageBoxes()
{
    return g_messageBoxes;
}

int WINAPI LoadStringW(HINSTANCE, UINT id, LPWSTR buffer, int bufferMax)
{
    return CopyOut(FromAnsi(Lookup(id)), buffer, bufferMax);
}

int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    g_messageBoxes.push_back({owner, text, caption, type});
    return IDOK;
}
