// The program's resources as the in-memory loader holds them. Private to the host library.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace host::detail
{
struct ControlTemplate
{
    const char* className; // "Button", "Edit", "Static", "msctls_updown32"
    int id;
    DWORD style;
    RECT rect; // left, top, width, height in dialog units
    const char* english;
    const char* japanese;
};

struct DialogTemplate
{
    int id;
    DWORD style;
    const char* title;
    std::vector<ControlTemplate> controls;
};

const DialogTemplate* FindDialogTemplate(LPCSTR name);
bool JapaneseUi();
void ResetResources();
} // namespace host::detail
