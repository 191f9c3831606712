#include "ModuleResources.h"

#include <algorithm>
#include <cstdio>

namespace
{
std::string TypeName(LPCWSTR type)
{
    if (!IS_INTRESOURCE(type))
        return Utf8(type);
    switch (reinterpret_cast<ULONG_PTR>(type))
    {
    case 3:
        return "ICON";
    case 5:
        return "DIALOG";
    case 6:
        return "STRING";
    case 14:
        return "GROUP_ICON";
    case 16:
        return "VERSION";
    case 24:
        return "MANIFEST";
    default:
        return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(type));
    }
}

std::string Name(LPCWSTR name)
{
    return IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<ULONG_PTR>(name)) : Utf8(name);
}

// The enumeration callbacks hand over names that live only during the call: keep copies.
struct ResourceName
{
    std::wstring text;
    ULONG_PTR ordinal = 0;

    explicit ResourceName(LPCWSTR name)
        : text(IS_INTRESOURCE(name) ? L"" : name),
          ordinal(IS_INTRESOURCE(name) ? reinterpret_cast<ULONG_PTR>(name) : 0)
    {
    }
    LPCWSTR Get() const { return text.empty() ? MAKEINTRESOURCEW(ordinal) : text.c_str(); }
};

BOOL CALLBACK AddName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names)
{
    reinterpret_cast<std::vector<ResourceName>*>(names)->emplace_back(name);
    return TRUE;
}

BOOL CALLBACK AddType(HMODULE, LPWSTR type, LONG_PTR types)
{
    reinterpret_cast<std::vector<ResourceName>*>(types)->emplace_back(type);
    return TRUE;
}

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages)
{
    reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
    return TRUE;
}
} // namespace

CModuleResources::CModuleResources(const char* path)
    : m_module(LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE))
{
}

CModuleResources::~CModuleResources()
{
    if (m_module != nullptr)
        FreeLibrary(m_module);
}

std::vector<std::string> CModuleResources::Inventory() const
{
    std::vector<std::string> inventory;
    std::vector<ResourceName> types;
    EnumResourceTypesW(m_module, AddType, reinterpret_cast<LONG_PTR>(&types));
    for (const ResourceName& type : types)
    {
        std::vector<ResourceName> names;
        EnumResourceNamesW(m_module, type.Get(), AddName, reinterpret_cast<LONG_PTR>(&names));
        for (const ResourceName& name : names)
            for (const WORD language : Languages(type.Get(), name.Get()))
            {
                char hex[8];
                std::snprintf(hex, sizeof hex, "%04X", language);
                inventory.push_back(TypeName(type.Get()) + " " + Name(name.Get()) + " " + hex);
            }
    }
    std::sort(inventory.begin(), inventory.end());
    return inventory;
}

Bytes CModuleResources::Find(LPCSTR standardType, WORD name, WORD language) const
{
    const LPCWSTR type = MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(standardType));
    const std::vector<WORD> languages = Languages(type, MAKEINTRESOURCEW(name));
    if (std::find(languages.begin(), languages.end(), language) == languages.end())
        return {};
    const HRSRC resource = FindResourceExW(m_module, type, MAKEINTRESOURCEW(name), language);
    const HGLOBAL loaded = resource != nullptr ? LoadResource(m_module, resource) : nullptr;
    const auto* data = static_cast<const BYTE*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (data == nullptr)
        return {};
    return Bytes(data, data + SizeofResource(m_module, resource));
}

std::vector<WORD> CModuleResources::Languages(LPCWSTR type, LPCWSTR name) const
{
    std::vector<WORD> languages;
    EnumResourceLanguagesW(m_module, type, name, AddLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}
