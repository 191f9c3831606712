#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// The text (UTF-16) as a JSON string, quotes included, in ASCII: everything outside printable
// ASCII is written as \u escapes of its UTF-16 code units (a character outside the BMP as its
// surrogate pair), so the JSON reads the same whatever code page the output is converted to.
std::string JsonString(const std::wstring& text);

// One UTF-16 code unit as a JSON \u escape: four lower-case hex digits ("\u00fc").
std::string EscapedUnit(wchar_t unit);

// One JSON object, written member by member in the order given. A member whose value is absent
// (nullopt) is written as null.
class CJsonObject
{
  public:
    CJsonObject& Text(const std::string& name, const std::optional<std::wstring>& value)
    {
        return Member(name, value ? JsonString(*value) : "null");
    }
    CJsonObject& Number(const std::string& name, std::optional<DWORD> value)
    {
        return Member(name, value ? std::to_string(*value) : "null");
    }
    // A number already written in decimal ("2.5").
    CJsonObject& Decimal(const std::string& name, const std::optional<std::string>& digits)
    {
        return Member(name, digits.value_or("null"));
    }
    CJsonObject& Flag(const std::string& name, bool value)
    {
        return Member(name, value ? "true" : "false");
    }
    // An array of texts: ["Fax","LPDSVC"].
    CJsonObject& Texts(const std::string& name, const std::vector<std::wstring>& values);
    // An array of ASCII texts: ["interval","timeout"].
    CJsonObject& Names(const std::string& name, const std::vector<std::string>& values);
    CJsonObject& Object(const std::string& name, const CJsonObject& value)
    {
        return Member(name, value.Json());
    }
    // The other object's members, after these.
    CJsonObject& Members(const CJsonObject& other);

    std::string Json() const { return "{" + m_members + "}"; }

  private:
    CJsonObject& Member(const std::string& name, const std::string& json);

    std::string m_members;
};
