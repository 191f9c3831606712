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

inline constexpr MessageText kMessageTexts[] = {
#define MESSAGE(id, english, japanese) {id, english, japanese},
#include "messages.inc"
#undef MESSAGE
};
