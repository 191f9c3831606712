// What one run of the end-to-end driver is about: the language it checks the texts of, and the
// user-visible texts of the program in that language.
#pragma once

#include <windows.h>

#include <string>

namespace e2e
{
struct UiTexts
{
    LANGID language;
    const char* errorCaption;
    const char* notAccessible;
    const char* startFromDriver;
    const char* saveFailed;
    const char* restartFailed;
    const char* spoolerStopped;
    const char* enable;
    const char* cancel;
    const char* unit;
};

// "en" or "ja"; false for anything else.
bool SelectLanguage(const std::string& name);
const UiTexts& Texts();
} // namespace e2e
