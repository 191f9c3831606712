// A program file loaded as data, so that its resources are found as Windows' own loader finds
// them and none of its code runs.
#pragma once

#include "ResourceFormats.h"

#include <windows.h>

#include <string>
#include <vector>

class CModuleResources
{
  public:
    explicit CModuleResources(const char* path);
    ~CModuleResources();
    CModuleResources(const CModuleResources&) = delete;
    CModuleResources& operator=(const CModuleResources&) = delete;

    bool IsLoaded() const { return m_module != nullptr; }

    // Every resource of the file, one line per type, name and language, sorted:
    // "DIALOG 102 0409". Standard types by name, other types and names by number.
    std::vector<std::string> Inventory() const;

    // The data of one resource (type: a standard type, RT_...) in exactly this language; empty
    // when that language has none (the loader's fallback to another language is not taken).
    Bytes Find(LPCSTR type, WORD name, WORD language) const;

  private:
    std::vector<WORD> Languages(LPCWSTR type, LPCWSTR name) const;

    HMODULE m_module;
};
