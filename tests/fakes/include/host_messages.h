// What tests can arrange and observe of the program's messages: the language the string table
// answers in, and the message boxes shown.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace host
{
// Forgets every message box and goes back to English.
void ResetMessages();

// The user's language as the resource loader sees it: 0x0409 (default) or 0x0411.
void SetUiLanguage(WORD languageId);

struct MessageBoxRecord
{
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT type;
};
// Every message box shown since the last reset, in order, its texts as UTF-16. An OK box is
// answered with OK, a Yes/No box with the answer set here (IDYES or IDNO; IDNO after a reset).
const std::vector<MessageBoxRecord>& MessageBoxes();
void AnswerQuestions(int answer);
} // namespace host
