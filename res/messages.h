// The string table as data, for the tests that check the compiled resources or stand in for the
// resource loader. The programs themselves load their strings from their resources.
#pragma once

#include "resource.h"

struct MessageText
{
    unsigned id;
    const char* english; // UTF-8
    const char* japanese;
};

#define MESSAGE(id, english, japanese) {id, english, japanese},
// The strings both programs carry.
inline constexpr MessageText kSharedMessages[] = {
#include "shared-messages.inc"
};
// The dialog program's own.
inline constexpr MessageText kDialogMessages[] = {
#include "messages.inc"
};
// The console program's own.
inline constexpr MessageText kConsoleMessages[] = {
#include "console-messages.inc"
};
#undef MESSAGE
