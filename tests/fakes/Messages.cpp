// The string table, message boxes and the system's error texts. The strings are the resource
// script's own (messages.h), in UTF-8: the ANSI code page of this build.
#include "host_messages.h"
#include "host_text.h"

#include "messages.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace
{
using host::text::FromAnsi;

WORD g_language = 0x0409;
std::vector<host::MessageBoxRecord> g_messageBoxes;
int g_answer = IDNO;

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
    const MessageText* message = find(kSharedMessages);
    message = message != nullptr ? message : find(kDialogMessages);
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
    g_answer = IDNO;
}

void host::AnswerQuestions(int answer)
{
    g_answer = answer;
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

DWORD WINAPI FormatMessageW(DWORD flags, const void*, DWORD messageId, DWORD languageId,
                            LPWSTR buffer, DWORD size, va_list*)
{
    const MessageText texts[] = {
        {ERROR_ACCESS_DENIED, "Access is denied.", "アクセスが拒否されました。"},
        {RPC_S_SERVER_UNAVAILABLE, "The RPC server is unavailable.",
         "RPC サーバーを利用できません。"}};
    const auto text = std::find_if(std::begin(texts), std::end(texts),
                                   [&](const MessageText& t) { return t.id == messageId; });
    const WORD language = languageId != 0 ? static_cast<WORD>(languageId) : g_language;
    if (text == std::end(texts) || (language != 0x0409 && language != 0x0411))
    {
        SetLastError(text == std::end(texts) ? ERROR_MR_MID_NOT_FOUND
                                             : ERROR_RESOURCE_LANG_NOT_FOUND);
        return 0;
    }
    // The text's line end, which a maximum width turns into a space.
    const std::wstring line = FromAnsi(language == 0x0411 ? text->japanese : text->english) +
                              ((flags & FORMAT_MESSAGE_MAX_WIDTH_MASK) != 0 ? L" " : L"\r\n");
    if (line.size() >= size)
    {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    return static_cast<DWORD>(CopyOut(line, buffer, static_cast<int>(size)));
}

int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    g_messageBoxes.push_back({owner, text, caption, type});
    return (type & MB_TYPEMASK) == MB_YESNO ? g_answer : IDOK;
}
