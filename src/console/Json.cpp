#include "console/Json.h"

std::string EscapedUnit(wchar_t unit)
{
    // Written digit by digit: a formatted print would link mingw's whole printf.
    const auto code = static_cast<unsigned>(unit) & 0xFFFF;
    std::string escape = "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        escape += "0123456789abcdef"[(code >> shift) & 0xF];
    return escape;
}

std::string JsonString(const std::wstring& text)
{
    std::string json = "\"";
    for (const wchar_t unit : text)
    {
        const auto code = static_cast<unsigned>(unit) & 0xFFFF;
        if (code == '"' || code == '\\')
        {
            json += '\\';
            json += static_cast<char>(code);
        }
        else if (code >= 0x20 && code < 0x7F)
        {
            json += static_cast<char>(code);
        }
        else
        {
            json += EscapedUnit(unit);
        }
    }
    return json + "\"";
}

CJsonObject& CJsonObject::Member(const std::string& name, const std::string& json)
{
    m_members += (m_members.empty() ? "\"" : ",\"") + name + "\":" + json;
    return *this;
}

CJsonObject& CJsonObject::Texts(const std::string& name, const std::vector<std::wstring>& values)
{
    std::string json;
    for (const std::wstring& value : values)
        json += (json.empty() ? "" : ",") + JsonString(value);
    return Member(name, "[" + json + "]");
}

CJsonObject& CJsonObject::Names(const std::string& name, const std::vector<std::string>& values)
{
    std::vector<std::wstring> texts;
    for (const std::string& value : values)
        texts.emplace_back(value.begin(), value.end());
    return Texts(name, texts);
}

CJsonObject& CJsonObject::Members(const CJsonObject& other)
{
    m_members += m_members.empty() || other.m_members.empty() ? "" : ",";
    m_members += other.m_members;
    return *this;
}
