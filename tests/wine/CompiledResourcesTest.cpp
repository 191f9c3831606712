// The resources of the built SettingTool.exe and SettingToolCmd.exe, read from the files as
// Windows' loader finds them: what the resource compiler made of the scripts, not what the scripts
// seem to say (windres, for one, drops a text control's default WS_GROUP when the control names a
// style of its own).
//   compiled_resources_tests <SettingTool.exe> <SettingToolCmd.exe>
#include "ModuleResources.h"
#include "messages.h"
#include "resource.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace
{
const WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US); // 0x0409
const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);  // 0x0411
const WORD kNeutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);    // 0x0000

// What tells the two programs' resources apart; the version numbers, the dialog's strings and the
// icon they hold alike.
struct Program
{
    const char* name; // the file's name without ".exe", and its internal name
    const char* description;
    DWORD fileType;
    DWORD fileSubtype;
    WORD iconLanguage;    // of the icon and the manifest
    bool consoleMessages; // carries the console's strings instead of the dialog's
    // Every resource but the string table: "<type> <name> <language>".
    std::vector<std::string> resources;
    const CModuleResources* file = nullptr; // set by main
};

// The dialog program's record is as first shipped: a versioned printer-driver file.
Program g_dialogProgram = {
    "SettingTool",
    "Language Monitor Setting Tool",
    VFT_DRV,
    VFT2_DRV_VERSIONED_PRINTER,
    kJapanese,
    false,
    {"DIALOG 102 0409", "DIALOG 102 0411", "GROUP_ICON 128 0411", "ICON 1 0411", "MANIFEST 1 0411",
     "VERSION 1 0409"},
};
// The console shows no dialog.
Program g_consoleProgram = {
    "SettingToolCmd",
    "Language Monitor Setting Tool (command line)",
    VFT_APP,
    VFT2_UNKNOWN,
    kNeutral, // the icon and the manifest have no language
    true,
    {"GROUP_ICON 128 0000", "ICON 1 0000", "MANIFEST 1 0000", "VERSION 1 0409"},
};

const Program* const kPrograms[] = {&g_dialogProgram, &g_consoleProgram};

std::string ProgramName(const testing::TestParamInfo<const Program*>& info)
{
    return info.param->name;
}

// A test of what both programs hold, once for each.
class EachProgram : public testing::TestWithParam<const Program*>
{
  protected:
    const Program& Of() const { return *GetParam(); }
    const CModuleResources& File() const { return *GetParam()->file; }
};

const DWORD kChild = WS_CHILD | WS_VISIBLE;
// Text labels carry WS_GROUP, the default of the script's text statements.
const DWORD kLabel = kChild | WS_GROUP | SS_RIGHT | SS_CENTERIMAGE;
const DWORD kUnit = kChild | WS_GROUP | SS_LEFT;
const DWORD kEdit = kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
const DWORD kQueueBox = (kEdit & ~WS_TABSTOP) | ES_READONLY;
const DWORD kSpin = kChild | UDS_ARROWKEYS | UDS_ALIGNRIGHT;

struct Rect
{
    short x, y, cx, cy;
};

struct ExpectedControl
{
    int id;
    const char* className;
    DWORD style[2];
    Rect position[2];
    const char* text[2];
};

// Template 102 in template order, which is also the tab order. Each pair is {English, Japanese}.
// The Japanese labels marked "widened" are wider than in the first layout: at 9 points their
// full-width text overflowed the narrower rectangles with every Japanese font tried, and the
// labels were cut off. Right-aligned labels keep their right edge, left-aligned ones their left.
const ExpectedControl kControls[] = {
    {1001,
     "Button",
     {kChild | WS_TABSTOP | BS_AUTOCHECKBOX, kChild | WS_TABSTOP | BS_AUTOCHECKBOX},
     {{106, 57, 39, 10}, {106, 57, 37, 10}},
     {"Enable", "有効"}},
    {1002, "Edit", {kEdit, kEdit}, {{106, 79, 40, 14}, {106, 79, 40, 14}}, {"", ""}},
    {1004,
     "msctls_updown32",
     {kSpin, kSpin},
     {{146, 79, 11, 14}, {146, 79, 11, 14}},
     {"Spin1", "Spin1"}},
    {-1,
     "Static",
     {kLabel, kChild | WS_GROUP | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE},
     {{13, 21, 51, 8}, {21, 21, 46, 8}}, // widened from 30
     {"Printer Queue :", "プリンタ名："}},
    {1000, "Edit", {kQueueBox, kQueueBox}, {{69, 17, 142, 16}, {69, 17, 142, 16}}, {"", ""}},
    {-1,
     "Button",
     {kChild | BS_GROUPBOX, kChild | BS_GROUPBOX},
     {{7, 41, 204, 99}, {7, 41, 204, 99}},
     {"Settings", "設定"}},
    {-1,
     "Static",
     {kLabel, kLabel},
     {{13, 54, 88, 17}, {10, 54, 91, 17}}, // widened from 43, 54, 58, 17
     {"Background Status : ", "プリンタステータス　："}},
    {-1,
     "Static",
     {kLabel, kLabel},
     {{14, 82, 87, 8}, {10, 82, 91, 8}}, // widened from 25, 82, 76, 8
     {"Interval (0.1 - 240.0) :", "インターバル (0.1 - 240.0) ："}},
    {1006,
     "Static",
     {kUnit, kUnit},
     {{163, 82, 37, 8}, {163, 82, 37, 8}}, // widened from 17
     {"[ second ]", "[ 秒 ]"}},
    {-1,
     "Static",
     {kLabel, kLabel},
     {{35, 115, 66, 8}, {10, 115, 91, 8}}, // widened from 35, 115, 66, 8
     {"Timeout  ( 5 - 600 ) :", "タイムアウト (5 - 600) ："}},
    {1003, "Edit", {kEdit, kEdit}, {{106, 113, 40, 14}, {106, 113, 40, 14}}, {"", ""}},
    {1005,
     "msctls_updown32",
     {kSpin, kSpin},
     {{146, 113, 11, 14}, {146, 113, 11, 14}},
     {"Spin1", "Spin1"}},
    {1007,
     "Static",
     {kUnit, kUnit},
     {{163, 115, 37, 8}, {163, 115, 37, 8}}, // widened from 17
     {"[ second ]", "[ 秒 ]"}},
    {IDOK,
     "Button",
     {kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
     {{106, 150, 50, 19}, {106, 150, 50, 19}},
     {"OK", "OK"}},
    {IDCANCEL,
     "Button",
     {kChild | WS_TABSTOP | BS_PUSHBUTTON, kChild | WS_TABSTOP | BS_PUSHBUTTON},
     {{161, 150, 50, 19}, {161, 150, 50, 19}},
     {"Cancel", "キャンセル"}},
    // The separator between the interval and timeout rows.
    {-1,
     "Static",
     {kChild | SS_BLACKFRAME | SS_SUNKEN, kChild | SS_BLACKFRAME | SS_SUNKEN},
     {{18, 102, 179, 1}, {18, 102, 179, 1}},
     {"", ""}},
};

struct Language
{
    WORD id;
    int column; // into the {English, Japanese} pairs
    const char* name;
};
const Language kLanguages[] = {{kEnglish, 0, "English"}, {kJapanese, 1, "Japanese"}};

void PrintTo(const Language& language, std::ostream* out)
{
    *out << language.name;
}

std::string Hex(DWORD value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", value);
    return text;
}

// Class names compare as Windows compares them: without regard to case.
bool SameClass(const std::string& actual, const char* expected)
{
    return lstrcmpiA(actual.c_str(), expected) == 0;
}

class CompiledDialog : public testing::TestWithParam<Language>
{
  protected:
    void SetUp() override
    {
        m_dialog = ReadDialogTemplate(
            g_dialogProgram.file->Find(RT_DIALOG, IDD_SETTINGS_DIALOG, Lang().id));
        ASSERT_TRUE(m_dialog.complete) << "no complete extended template 102";
    }
    const Language& Lang() const { return GetParam(); }

    DialogTemplate m_dialog;
};

TEST_P(CompiledDialog, IsAModalFrameWithItsOwnTaskbarButtonInMsUiGothic)
{
    EXPECT_EQ(Hex(m_dialog.style),
              Hex(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(Hex(m_dialog.exStyle), Hex(WS_EX_APPWINDOW));
    EXPECT_EQ(m_dialog.helpId, 0u);
    // No position of its own: where it appears is the platform's default.
    EXPECT_EQ(m_dialog.x, 0);
    EXPECT_EQ(m_dialog.y, 0);
    EXPECT_EQ(m_dialog.cx, 218);
    EXPECT_EQ(m_dialog.cy, 176);
    EXPECT_EQ(m_dialog.menu, "");
    EXPECT_EQ(m_dialog.windowClass, "");
    EXPECT_EQ(m_dialog.title, "Language Monitor Setting Tool");
    EXPECT_EQ(m_dialog.typeface, "MS UI Gothic");
    EXPECT_EQ(m_dialog.pointSize, 9);
    EXPECT_EQ(m_dialog.weight, 0);
    EXPECT_EQ(m_dialog.italic, 0);
    EXPECT_EQ(m_dialog.charset, 1);
}

TEST_P(CompiledDialog, HoldsTheControlsInTabOrderFieldByField)
{
    ASSERT_EQ(m_dialog.items.size(), std::size(kControls));
    for (size_t i = 0; i < std::size(kControls); ++i)
    {
        const ExpectedControl& expected = kControls[i];
        const DialogItem& item = m_dialog.items[i];
        const int column = Lang().column;
        SCOPED_TRACE("control " + std::to_string(i) + " \"" + expected.text[column] + "\"");
        EXPECT_EQ(item.id, expected.id);
        EXPECT_PRED2(SameClass, item.className, expected.className);
        EXPECT_EQ(Hex(item.style), Hex(expected.style[column]));
        EXPECT_EQ(Hex(item.exStyle), Hex(0));
        EXPECT_EQ(item.helpId, 0u);
        const Rect& position = expected.position[column];
        EXPECT_EQ(item.x, position.x);
        EXPECT_EQ(item.y, position.y);
        EXPECT_EQ(item.cx, position.cx);
        EXPECT_EQ(item.cy, position.cy);
        EXPECT_EQ(item.text, expected.text[column]);
        EXPECT_EQ(item.creationDataSize, 0);
    }
}

// Stated on its own as well: the fault the resource compiler brought in once.
TEST_P(CompiledDialog, EveryTextLabelStartsAGroup)
{
    for (const DialogItem& item : m_dialog.items)
    {
        const DWORD kind = item.style & SS_TYPEMASK;
        const bool isText = SameClass(item.className, "Static") && kind != SS_BLACKFRAME;
        if (isText)
        {
            EXPECT_NE(item.style & WS_GROUP, 0u) << "\"" << item.text << "\"";
        }
    }
}

TEST_P(CompiledDialog, TabVisitsEnableBothBoxesOkAndCancel)
{
    std::vector<int> stops;
    for (const DialogItem& item : m_dialog.items)
        if ((item.style & WS_TABSTOP) != 0)
            stops.push_back(item.id);
    EXPECT_EQ(stops, (std::vector<int>{IDC_BACKGROUND_ENABLE, IDC_INTERVAL_EDIT, IDC_TIMEOUT_EDIT,
                                       IDOK, IDCANCEL}));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, CompiledDialog, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<Language>& info) {
                             return std::string(info.param.name);
                         });

// The strings the program carries.
std::vector<MessageText> MessagesOf(const Program& program)
{
    std::vector<MessageText> messages(std::begin(kSharedMessages), std::end(kSharedMessages));
    if (program.consoleMessages)
        messages.insert(messages.end(), std::begin(kConsoleMessages), std::end(kConsoleMessages));
    else
        messages.insert(messages.end(), std::begin(kDialogMessages), std::end(kDialogMessages));
    return messages;
}

// Strings are stored 16 to a block; block n holds ids 16 (n - 1) to 16 n - 1.
std::set<UINT> StringBlocks(const Program& program)
{
    std::set<UINT> blocks;
    for (const MessageText& message : MessagesOf(program))
        blocks.insert(message.id / 16 + 1);
    return blocks;
}

using CompiledResources = EachProgram;

TEST_P(CompiledResources, AreExactlyTheProgramsOwnAndTheStringTable)
{
    std::vector<std::string> expected = Of().resources;
    for (const UINT block : StringBlocks(Of()))
        for (const char* language : {"0409", "0411"})
            expected.push_back("STRING " + std::to_string(block) + " " + language);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(File().Inventory(), expected);
}

using CompiledStringTable = EachProgram;

TEST_P(CompiledStringTable, HoldsEveryMessageInBothLanguagesAndNothingElse)
{
    for (const Language& language : kLanguages)
        for (const UINT block : StringBlocks(Of()))
        {
            SCOPED_TRACE(std::string(language.name) + " block " + std::to_string(block));
            const StringBlock strings =
                ReadStringBlock(File().Find(RT_STRING, static_cast<WORD>(block), language.id));
            ASSERT_TRUE(strings.complete);
            for (UINT slot = 0; slot < 16; ++slot)
            {
                const UINT id = (block - 1) * 16 + slot;
                std::string expected;
                for (const MessageText& message : MessagesOf(Of()))
                    if (message.id == id)
                        expected = language.column == 0 ? message.english : message.japanese;
                EXPECT_EQ(strings.strings[slot], expected) << "string " << id;
            }
        }
}

class CompiledVersionRecord : public EachProgram
{
  protected:
    void SetUp() override
    {
        m_record = ReadVersionRecord(File().Find(RT_VERSION, 1, kEnglish));
        ASSERT_TRUE(m_record.complete) << "no complete version record in English";
    }

    // A text of the one string block; "" when there is none.
    std::string Text(const char* key) const
    {
        const VersionNode* strings = m_record.root.Child("StringFileInfo");
        const VersionNode* value = strings != nullptr && strings->children.size() == 1
                                       ? strings->children[0].Child(key)
                                       : nullptr;
        return value != nullptr && value->isText ? value->text : "";
    }

    VersionRecord m_record;
};

TEST_P(CompiledVersionRecord, NamesTheProgramsFileKindForWindowsNt)
{
    EXPECT_EQ(m_record.root.key, "VS_VERSION_INFO");
    VS_FIXEDFILEINFO info = {};
    ASSERT_EQ(m_record.root.value.size(), sizeof info);
    std::memcpy(&info, m_record.root.value.data(), sizeof info);
    EXPECT_EQ(Hex(info.dwSignature), Hex(VS_FFI_SIGNATURE));
    EXPECT_EQ(Hex(info.dwFileVersionMS), Hex(MAKELONG(3, 0)));     // 0.3
    EXPECT_EQ(Hex(info.dwFileVersionLS), Hex(MAKELONG(135, 256))); // .256.135
    EXPECT_EQ(Hex(info.dwProductVersionMS), Hex(MAKELONG(0, 1)));  // 1.0
    EXPECT_EQ(Hex(info.dwProductVersionLS), Hex(0));               // .0.0
    EXPECT_EQ(Hex(info.dwFileFlagsMask), Hex(0x3F));
    EXPECT_EQ(Hex(info.dwFileFlags), Hex(0));
    EXPECT_EQ(Hex(info.dwFileOS), Hex(VOS_NT));
    EXPECT_EQ(Hex(info.dwFileType), Hex(Of().fileType));
    EXPECT_EQ(Hex(info.dwFileSubtype), Hex(Of().fileSubtype));
}

TEST_P(CompiledVersionRecord, HasOneEnglishUnicodeStringBlockWithBothVersionTexts)
{
    const VersionNode* strings = m_record.root.Child("StringFileInfo");
    ASSERT_NE(strings, nullptr);
    ASSERT_EQ(strings->children.size(), 1u);
    const VersionNode& block = strings->children[0];
    EXPECT_EQ(lstrcmpiA(block.key.c_str(), "040904B0"), 0) << block.key;
    const VersionNode* fileVersion = block.Child("FileVersion");
    const VersionNode* productVersion = block.Child("ProductVersion");
    ASSERT_NE(fileVersion, nullptr);
    ASSERT_NE(productVersion, nullptr);
    EXPECT_TRUE(fileVersion->isText);
    EXPECT_EQ(fileVersion->text, "0.3.256.135  "); // two blanks after the number, as first shipped
    EXPECT_EQ(productVersion->text, "1.0.0.0");

    const VersionNode* variables = m_record.root.Child("VarFileInfo");
    ASSERT_NE(variables, nullptr);
    const VersionNode* translation = variables->Child("Translation");
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ(translation->value, (Bytes{0x09, 0x04, 0xB0, 0x04})); // 0x0409, code page 1200
}

// What Windows, inventory tools and allow-listing rules identify the file by.
TEST_P(CompiledVersionRecord, NamesItsOwnFileInTheOneProduct)
{
    EXPECT_EQ(Text("OriginalFilename"), std::string(Of().name) + ".exe");
    EXPECT_EQ(Text("InternalName"), Of().name);
    EXPECT_EQ(Text("FileDescription"), Of().description);
    EXPECT_EQ(Text("ProductName"), "Language Monitor Setting Tool");
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, CompiledResources, testing::ValuesIn(kPrograms),
                         ProgramName);
INSTANTIATE_TEST_SUITE_P(BothPrograms, CompiledStringTable, testing::ValuesIn(kPrograms),
                         ProgramName);
INSTANTIATE_TEST_SUITE_P(BothPrograms, CompiledVersionRecord, testing::ValuesIn(kPrograms),
                         ProgramName);

using CompiledIcon = EachProgram;

TEST_P(CompiledIcon, IsOne32By32ImageWith8BitsPerPixel)
{
    const IconGroup group =
        ReadIconGroup(File().Find(RT_GROUP_ICON, IDR_MAINFRAME, Of().iconLanguage));
    ASSERT_TRUE(group.complete);
    EXPECT_EQ(group.type, 1); // icons, not cursors
    ASSERT_EQ(group.entries.size(), 1u);
    const IconGroupEntry& entry = group.entries[0];
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.colorCount, 0); // 256 colours are written as 0
    EXPECT_EQ(entry.planes, 1);
    EXPECT_EQ(entry.bitCount, 8);

    Bytes image = File().Find(RT_ICON, entry.iconId, Of().iconLanguage);
    ASSERT_EQ(image.size(), entry.bytes);
    BITMAPINFOHEADER header = {};
    ASSERT_GE(image.size(), sizeof header);
    std::memcpy(&header, image.data(), sizeof header);
    EXPECT_EQ(header.biWidth, 32);
    EXPECT_EQ(header.biHeight, 64); // the colour image and its mask
    EXPECT_EQ(header.biBitCount, 8);

    // And the system makes an icon of it at that size.
    const HICON icon = CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()),
                                                TRUE, 0x00030000, 32, 32, LR_DEFAULTCOLOR);
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour = {};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, CompiledIcon, testing::ValuesIn(kPrograms), ProgramName);

class CompiledManifest : public testing::Test
{
  protected:
    void SetUp() override { Read(g_dialogProgram); }

    void Read(const Program& program)
    {
        const Bytes data = program.file->Find(RT_MANIFEST, 1, program.iconLanguage);
        m_manifest = ReadXml(std::string(data.begin(), data.end()));
        ASSERT_TRUE(m_manifest.complete) << "no readable manifest 1 in " << program.name;
    }

    // The one element at path; fails the test when there are none or several.
    const XmlElement& One(const std::string& path)
    {
        const std::vector<const XmlElement*> found = m_manifest.At(path);
        static const XmlElement none;
        EXPECT_EQ(found.size(), 1u) << path;
        return found.size() == 1 ? *found[0] : none;
    }

    XmlDocument m_manifest;
};

// Windows compares processor architectures without regard to case.
std::string Lower(std::string text)
{
    CharLowerA(text.data());
    return text;
}

TEST_F(CompiledManifest, NamesTheProgramItself)
{
    const XmlElement& assembly = One("assembly");
    EXPECT_EQ(assembly.attributes.at("xmlns"), "urn:schemas-microsoft-com:asm.v1");
    EXPECT_EQ(assembly.attributes.at("manifestVersion"), "1.0");
    const XmlElement& identity = One("assembly/assemblyIdentity");
    EXPECT_EQ(identity.attributes.at("version"), "1.0.0.0");
    EXPECT_EQ(Lower(identity.attributes.at("processorArchitecture")), "x86");
    EXPECT_EQ(identity.attributes.at("type"), "win32");
    EXPECT_NE(identity.attributes.at("name"), "");
    EXPECT_EQ(One("assembly/description").text, "???");
}

TEST_F(CompiledManifest, DependsOnVersion6OfTheCommonControlsOnly)
{
    EXPECT_EQ(m_manifest.At("assembly/dependency").size(), 1u);
    const XmlElement& controls = One("assembly/dependency/dependentAssembly/assemblyIdentity");
    const std::map<std::string, std::string> expected = {
        {"type", "win32"},
        {"name", "Microsoft.Windows.Common-Controls"},
        {"version", "6.0.0.0"},
        {"processorArchitecture", "x86"},
        {"publicKeyToken", "6595b64144ccf1df"},
        {"language", "*"},
    };
    std::map<std::string, std::string> actual = controls.attributes;
    if (actual.count("processorArchitecture") != 0)
        actual["processorArchitecture"] = Lower(actual["processorArchitecture"]);
    EXPECT_EQ(actual, expected);
}

// Without a requested level the program starts with the rights of whoever starts it; a
// property page may start it as an ordinary program.
TEST_F(CompiledManifest, RequestsNoExecutionLevel)
{
    for (const XmlElement& element : m_manifest.elements)
    {
        EXPECT_EQ(element.path.find("requestedExecutionLevel"), std::string::npos) << element.path;
        EXPECT_EQ(element.path.find("trustInfo"), std::string::npos) << element.path;
    }
}

class CompiledConsoleManifest : public CompiledManifest
{
  protected:
    void SetUp() override { Read(g_consoleProgram); }
};

// A 32-bit program that requests no level is a legacy one to Windows: its file and registry
// writes may be redirected and its name looked at for installer words. The console asks to run
// with the rights of whoever starts it, and needs no common controls.
TEST_F(CompiledConsoleManifest, RunsAsInvokerAndDependsOnNothing)
{
    const XmlElement& level =
        One("assembly/trustInfo/security/requestedPrivileges/requestedExecutionLevel");
    EXPECT_EQ(One("assembly/trustInfo").attributes.at("xmlns"), "urn:schemas-microsoft-com:asm.v3");
    EXPECT_EQ(level.attributes,
              (std::map<std::string, std::string>{{"level", "asInvoker"}, {"uiAccess", "false"}}));
    EXPECT_TRUE(m_manifest.At("assembly/dependency").empty());
}
// Says why not when the file could not be loaded.
bool Loaded(const CModuleResources& file, const char* path)
{
    if (!file.IsLoaded())
        std::fprintf(stderr, "compiled_resources_tests: cannot load %s (error %lu)\n", path,
                     GetLastError());
    return file.IsLoaded();
}
} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 3)
    {
        std::fprintf(stderr,
                     "usage: compiled_resources_tests <SettingTool.exe> <SettingToolCmd.exe>\n");
        return 2;
    }
    const CModuleResources dialogProgram(argv[1]);
    if (!Loaded(dialogProgram, argv[1]))
        return 2;
    const CModuleResources consoleProgram(argv[2]);
    if (!Loaded(consoleProgram, argv[2]))
        return 2;
    g_dialogProgram.file = &dialogProgram;
    g_consoleProgram.file = &consoleProgram;
    return RUN_ALL_TESTS();
}
