// Readers for the formats a program's resources are stored in: the extended dialog template, a
// string-table block, the version record, the icon group, and the elements of the XML manifest.
// Each reader stays inside the data it is given: damaged or cut-short data gives a result with
// `complete` false, never a read past the end.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

using Bytes = std::vector<BYTE>;

std::string Utf8(const std::wstring& text);

// Names and titles are UTF-8; an ordinal reads "#<number>", except the predefined control
// classes, which read by their names ("Button", "Edit", "Static").
struct DialogItem
{
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::string className;
    std::string text;
    WORD creationDataSize = 0;
};

struct DialogTemplate
{
    bool complete = false;
    WORD version = 0;
    WORD signature = 0;
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string menu;
    std::string windowClass;
    std::string title;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::string typeface;
    std::vector<DialogItem> items;
};
DialogTemplate ReadDialogTemplate(const Bytes& data);

// The 16 strings of one block, in id order; an id without a string reads "".
struct StringBlock
{
    bool complete = false;
    std::vector<std::string> strings;
};
StringBlock ReadStringBlock(const Bytes& data);

// One node of the version record: a key with a text or binary value, and its children.
struct VersionNode
{
    std::string key;
    bool isText = false;
    std::string text;
    Bytes value;
    std::vector<VersionNode> children;

    const VersionNode* Child(const std::string& childKey) const;
};
struct VersionRecord
{
    bool complete = false;
    VersionNode root;
};
VersionRecord ReadVersionRecord(const Bytes& data);

struct IconGroupEntry
{
    BYTE width = 0;
    BYTE height = 0;
    BYTE colorCount = 0;
    WORD planes = 0;
    WORD bitCount = 0;
    DWORD bytes = 0;
    WORD iconId = 0;
};
struct IconGroup
{
    bool complete = false;
    WORD type = 0;
    std::vector<IconGroupEntry> entries;
};
IconGroup ReadIconGroup(const Bytes& data);

// The elements of an XML document in document order. `path` names the element and its
// ancestors ("assembly/dependency/dependentAssembly"); `text` is the element's own text, trimmed.
// Enough for a manifest: no entities, no CDATA, no DTD.
struct XmlElement
{
    std::string path;
    std::map<std::string, std::string> attributes;
    std::string text;
};
struct XmlDocument
{
    bool complete = false;
    std::vector<XmlElement> elements;

    // The elements at exactly this path.
    std::vector<const XmlElement*> At(const std::string& path) const;
};
XmlDocument ReadXml(const std::string& text);
