#include "ResourceFormats.h"

#include <algorithm>
#include <cstring>

namespace
{
// Version records nest four deep (record, string file info, block, value); more is damage.
const int kMaxVersionDepth = 8;

// Reads little-endian fields from [offset, end) of a resource. A read that would pass the end
// marks the reader failed and gives zeros. Alignment counts from the start of the data, which
// the loader places on a 4-byte boundary.
class CFieldReader
{
  public:
    CFieldReader(const Bytes& data, size_t begin, size_t end)
        : m_data(data), m_end(std::min(end, data.size())), m_offset(std::min(begin, m_end))
    {
    }

    template <typename T> T Read()
    {
        T value{};
        if (Take(sizeof value))
            std::memcpy(&value, &m_data[m_offset - sizeof value], sizeof value);
        return value;
    }

    bool Take(size_t size)
    {
        if (m_failed || size > m_end - m_offset)
        {
            m_failed = true;
            m_offset = m_end;
            return false;
        }
        m_offset += size;
        return true;
    }

    // A zero-terminated UTF-16 string, at most maxLength units before the terminator.
    std::wstring String(size_t maxLength = SIZE_MAX)
    {
        std::wstring text;
        while (text.size() < maxLength)
        {
            const WORD unit = Read<WORD>();
            if (m_failed || unit == 0)
                break;
            text += static_cast<wchar_t>(unit);
        }
        return text;
    }

    // A name or an ordinal (0xFFFF followed by the number); 0 alone means none.
    std::string NameOrOrdinal(const char* (*ordinalName)(WORD) = nullptr)
    {
        const WORD first = Read<WORD>();
        if (first == 0)
            return "";
        if (first == 0xFFFF)
        {
            const WORD ordinal = Read<WORD>();
            const char* name = ordinalName != nullptr ? ordinalName(ordinal) : nullptr;
            return name != nullptr ? name : "#" + std::to_string(ordinal);
        }
        return Utf8(static_cast<wchar_t>(first) + String());
    }

    // Padding may be missing at the very end of a block.
    void AlignTo4() { m_offset = std::min((m_offset + 3) & ~size_t{3}, m_end); }

    size_t Offset() const { return m_offset; }
    bool AtEnd() const { return m_offset >= m_end; }
    bool Failed() const { return m_failed; }

  private:
    const Bytes& m_data;
    size_t m_end;
    size_t m_offset;
    bool m_failed = false;
};

const char* PredefinedClass(WORD atom)
{
    switch (atom)
    {
    case 0x0080:
        return "Button";
    case 0x0081:
        return "Edit";
    case 0x0082:
        return "Static";
    case 0x0083:
        return "ListBox";
    case 0x0084:
        return "ScrollBar";
    case 0x0085:
        return "ComboBox";
    default:
        return nullptr;
    }
}

DialogItem ReadDialogItem(CFieldReader& reader)
{
    DialogItem item;
    reader.AlignTo4();
    item.helpId = reader.Read<DWORD>();
    item.exStyle = reader.Read<DWORD>();
    item.style = reader.Read<DWORD>();
    item.x = reader.Read<short>();
    item.y = reader.Read<short>();
    item.cx = reader.Read<short>();
    item.cy = reader.Read<short>();
    item.id = static_cast<int>(reader.Read<DWORD>());
    item.className = reader.NameOrOrdinal(PredefinedClass);
    item.text = reader.NameOrOrdinal();
    item.creationDataSize = reader.Read<WORD>();
    reader.Take(item.creationDataSize);
    return item;
}

bool ReadVersionNode(const Bytes& data, size_t begin, size_t limit, int depth, VersionNode& node)
{
    CFieldReader header(data, begin, limit);
    const WORD length = header.Read<WORD>();
    const WORD valueLength = header.Read<WORD>();
    const WORD type = header.Read<WORD>();
    if (header.Failed() || depth > kMaxVersionDepth || length < 6 || length > limit - begin)
        return false;
    const size_t end = begin + length;
    CFieldReader reader(data, header.Offset(), end);
    node.key = Utf8(reader.String());
    reader.AlignTo4();
    node.isText = type == 1;
    if (node.isText)
    {
        // Counted in characters, terminator included.
        node.text = Utf8(reader.String(valueLength));
    }
    else
    {
        const size_t valueStart = reader.Offset();
        if (reader.Take(valueLength))
            node.value.assign(data.begin() + valueStart, data.begin() + valueStart + valueLength);
    }
    reader.AlignTo4();
    size_t next = reader.Offset();
    while (!reader.Failed() && next < end)
    {
        VersionNode child;
        if (!ReadVersionNode(data, next, end, depth + 1, child))
            return false;
        const WORD childLength = CFieldReader(data, next, end).Read<WORD>();
        node.children.push_back(std::move(child));
        CFieldReader after(data, next + childLength, end);
        after.AlignTo4();
        next = after.Offset();
    }
    return !reader.Failed();
}

std::string Trimmed(const std::string& text)
{
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Whether the last step of path is name.
bool EndsWithName(const std::string& path, const std::string& name)
{
    return path == name ||
           (path.size() > name.size() &&
            path.compare(path.size() - name.size() - 1, std::string::npos, "/" + name) == 0);
}

bool IsNameChar(char c)
{
    return c != '\0' && std::strchr(" \t\r\n/>=\"'", c) == nullptr;
}

// Reads the tag that starts at text[at] == '<' (not a closing tag) into element; returns the
// offset after it, or npos if it is cut short. selfClosing tells whether it ends with "/>".
size_t ReadStartTag(const std::string& text, size_t at, XmlElement& element, bool& selfClosing)
{
    size_t i = at + 1;
    const size_t nameStart = i;
    while (i < text.size() && IsNameChar(text[i]))
        ++i;
    element.path = text.substr(nameStart, i - nameStart);
    for (;;)
    {
        while (i < text.size() && std::strchr(" \t\r\n", text[i]) != nullptr)
            ++i;
        if (i >= text.size())
            return std::string::npos;
        if (text.compare(i, 2, "/>") == 0 || text[i] == '>')
        {
            selfClosing = text[i] == '/';
            return i + (selfClosing ? 2 : 1);
        }
        const size_t attributeStart = i;
        while (i < text.size() && IsNameChar(text[i]))
            ++i;
        const std::string attribute = text.substr(attributeStart, i - attributeStart);
        if (attribute.empty() || i + 1 >= text.size() || text[i] != '=' ||
            (text[i + 1] != '"' && text[i + 1] != '\''))
            return std::string::npos;
        const size_t valueEnd = text.find(text[i + 1], i + 2);
        if (valueEnd == std::string::npos)
            return std::string::npos;
        element.attributes[attribute] = text.substr(i + 2, valueEnd - i - 2);
        i = valueEnd + 1;
    }
}
} // namespace

std::string Utf8(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
}

DialogTemplate ReadDialogTemplate(const Bytes& data)
{
    DialogTemplate dialog;
    CFieldReader reader(data, 0, data.size());
    dialog.version = reader.Read<WORD>();
    dialog.signature = reader.Read<WORD>();
    if (dialog.version != 1 || dialog.signature != 0xFFFF)
        return dialog; // not an extended template
    dialog.helpId = reader.Read<DWORD>();
    dialog.exStyle = reader.Read<DWORD>();
    dialog.style = reader.Read<DWORD>();
    const WORD itemCount = reader.Read<WORD>();
    dialog.x = reader.Read<short>();
    dialog.y = reader.Read<short>();
    dialog.cx = reader.Read<short>();
    dialog.cy = reader.Read<short>();
    dialog.menu = reader.NameOrOrdinal();
    dialog.windowClass = reader.NameOrOrdinal();
    dialog.title = Utf8(reader.String());
    if ((dialog.style & DS_SETFONT) != 0)
    {
        dialog.pointSize = reader.Read<WORD>();
        dialog.weight = reader.Read<WORD>();
        dialog.italic = reader.Read<BYTE>();
        dialog.charset = reader.Read<BYTE>();
        dialog.typeface = Utf8(reader.String());
    }
    for (WORD i = 0; i < itemCount && !reader.Failed(); ++i)
        dialog.items.push_back(ReadDialogItem(reader));
    dialog.complete = !reader.Failed();
    return dialog;
}

StringBlock ReadStringBlock(const Bytes& data)
{
    StringBlock block;
    CFieldReader reader(data, 0, data.size());
    for (int i = 0; i < 16; ++i)
    {
        const WORD length = reader.Read<WORD>();
        std::wstring text;
        for (WORD unit = 0; unit < length && !reader.Failed(); ++unit)
            text += static_cast<wchar_t>(reader.Read<WORD>());
        block.strings.push_back(Utf8(text));
    }
    block.complete = !reader.Failed();
    return block;
}

const VersionNode* VersionNode::Child(const std::string& childKey) const
{
    for (const VersionNode& child : children)
        if (child.key == childKey)
            return &child;
    return nullptr;
}

VersionRecord ReadVersionRecord(const Bytes& data)
{
    VersionRecord record;
    record.complete = ReadVersionNode(data, 0, data.size(), 0, record.root);
    return record;
}

IconGroup ReadIconGroup(const Bytes& data)
{
    IconGroup group;
    CFieldReader reader(data, 0, data.size());
    const WORD reserved = reader.Read<WORD>();
    group.type = reader.Read<WORD>();
    const WORD count = reader.Read<WORD>();
    for (WORD i = 0; i < count && !reader.Failed(); ++i)
    {
        IconGroupEntry entry;
        entry.width = reader.Read<BYTE>();
        entry.height = reader.Read<BYTE>();
        entry.colorCount = reader.Read<BYTE>();
        reader.Read<BYTE>(); // reserved
        entry.planes = reader.Read<WORD>();
        entry.bitCount = reader.Read<WORD>();
        entry.bytes = reader.Read<DWORD>();
        entry.iconId = reader.Read<WORD>();
        group.entries.push_back(entry);
    }
    group.complete = !reader.Failed() && reserved == 0 && reader.AtEnd();
    return group;
}

std::vector<const XmlElement*> XmlDocument::At(const std::string& path) const
{
    std::vector<const XmlElement*> found;
    for (const XmlElement& element : elements)
        if (element.path == path)
            found.push_back(&element);
    return found;
}

XmlDocument ReadXml(const std::string& text)
{
    XmlDocument document;
    std::vector<size_t> open; // indexes of the elements not yet closed
    size_t i = 0;
    while (i < text.size())
    {
        const size_t tag = text.find('<', i);
        if (!open.empty())
            document.elements[open.back()].text += text.substr(i, tag - i);
        if (tag == std::string::npos)
            break;
        size_t next = std::string::npos;
        if (text.compare(tag, 2, "<?") == 0)
        {
            next = text.find("?>", tag);
            next = next == std::string::npos ? next : next + 2;
        }
        else if (text.compare(tag, 4, "<!--") == 0)
        {
            next = text.find("-->", tag);
            next = next == std::string::npos ? next : next + 3;
        }
        else if (text.compare(tag, 2, "</") == 0)
        {
            next = text.find('>', tag);
            const std::string name = Trimmed(text.substr(tag + 2, next - tag - 2));
            if (open.empty() || next == std::string::npos ||
                !EndsWithName(document.elements[open.back()].path, name))
                return document;
            open.pop_back();
            ++next;
        }
        else
        {
            XmlElement element;
            bool selfClosing = false;
            next = ReadStartTag(text, tag, element, selfClosing);
            if (!open.empty())
                element.path = document.elements[open.back()].path + "/" + element.path;
            document.elements.push_back(std::move(element));
            if (!selfClosing)
                open.push_back(document.elements.size() - 1);
        }
        if (next == std::string::npos)
            return document;
        i = next;
    }
    for (XmlElement& element : document.elements)
        element.text = Trimmed(element.text);
    document.complete = open.empty();
    return document;
}
