// Queue, server and driver names as the console program reads and compares them.
#include "console/Names.h"

#include <host_text.h>

#include <gtest/gtest.h>

namespace
{
using host::text::FromAnsi;
using host::text::Utf16;

TEST(NamesTest, OnlyNamesThatOpenOneQueueAreQueueNames)
{
    const struct
    {
        const char* name;
        bool accepted;
    } cases[] = {
        {"Office Laser", true},
        {"\\\\printhost\\Office Laser", true},
        {"--", true},
        {"事務所", true},
        {"Büro – 2F", true},
        {"\\\\プリントサーバー\\プリンタ①", true},
        {"Quote \"Q\" Printer", true},
        {"Emoji 🖨 Printer", true},
        {"", false},              // the local print server
        {"\\\\printhost", false}, // that print server
        {"\\\\printhost\\", false},
        {"\\\\\\Office", false},
        {"\\\\printhost\\Office\\Laser", false},
        {"Office\\Laser", false},
        {"Office Laser,Job 12", false},
        {",XcvMonitor Local Port", false},
        {"\\\\printhost\\Office,LocalOnly", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsQueueName(FromAnsi(c.name)), c.accepted) << '"' << c.name << '"';
}

TEST(NamesTest, TheMachineIsTheServerPartOfTheName)
{
    EXPECT_EQ(MachineOf(L"Office Laser"), L"");
    EXPECT_EQ(MachineOf(L"\\\\printhost\\Office Laser"), L"\\\\printhost");
    EXPECT_EQ(MachineOf(Utf16(u"\\\\プリントサーバー\\Laser")), Utf16(u"\\\\プリントサーバー"));
}

TEST(NamesTest, NamesAreTheSameWhateverTheCaseOfTheirAsciiLetters)
{
    EXPECT_TRUE(SameName(L"\\\\PrintHost", L"\\\\printhost"));
    EXPECT_TRUE(SameName(L"", L""));
    EXPECT_FALSE(SameName(L"\\\\printhost2", L"\\\\printhost"));
    EXPECT_FALSE(SameName(L"", L"\\\\printhost"));
    EXPECT_FALSE(SameName(Utf16(u"Büro"), Utf16(u"BÜro")));
    // A surrogate pair is compared unit by unit, never folded.
    EXPECT_TRUE(SameName(Utf16(u"🖨 A"), Utf16(u"🖨 a")));
    EXPECT_FALSE(SameName(Utf16(u"🖨"), Utf16(u"🖧")));
}

TEST(NamesTest, AServerIsNamedWithOrWithoutItsTwoBackslashes)
{
    const struct
    {
        const char* given;
        const char* server; // "" when refused
    } cases[] = {
        {"printhost", "\\\\printhost"},
        {"\\\\printhost", "\\\\printhost"},
        {"プリントサーバー", "\\\\プリントサーバー"},
        {"", ""},
        {"\\\\", ""},
        {"\\printhost", ""},
        {"\\\\printhost\\Queue", ""},
        {"print,host", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ServerName(FromAnsi(c.given)).value_or(L""), FromAnsi(c.server)) << c.given;
}

TEST(NamesTest, PatternsMatchTheWholeNameAsPowerShellsLikeDoes)
{
    const struct
    {
        const char* name;
        const char* pattern;
        std::optional<bool> matches; // none: -like refuses the pattern
    } cases[] = {
        {"Laser Driver", "Laser Driver", true},
        {"Laser Driver", "laser DRIVER", true}, // the case of ASCII letters is ignored
        {"Laser Driver", "Laser", false},       // the whole name
        {"Laser Driver", "Laser*", true},
        {"Laser Driver", "*Driver", true},
        {"Laser Driver", "*ser*", true},
        {"Laser Driver", "*", true},
        {"", "*", true},
        {"", "?", false},
        {"Laser Driver", "L?ser Driver", true},
        {"Laser Driver", "Laser Driver?", false}, // ? is exactly one character
        {"Laser Driver", "L*r*r", true},          // a star gives back what a later part needs
        {"Laser Driver", "L*r*x", false},
        {"aaab", "*a*ab", true},
        {"Büro", "BÜRO", false}, // only ASCII letters have a case here
        {"Büro", "B?ro", true},
        {"プリンタ①", "プリンタ?", true},
        {"Emoji 🖨", "Emoji ?", true}, // a surrogate pair is one character
        {"Emoji 🖨", "Emoji ??", false},
        {"Emoji 🖨", "Emoji [🖨x]", true},
        // One character of a set or a range, in either case of an ASCII letter.
        {"Quenlo Labs 2", "Quenlo La[bs]*", true},
        {"Quenlo Lax", "Quenlo La[bs]*", false},
        {"quenlo lab", "Quenlo La[BS]", true},
        {"Quenlo", "[a-z]*", true},
        {"quenlo", "[A-Z]*", true},
        {"4quenlo", "[a-z]*", false},
        {"Laser 7", "Laser [0-35-9]", true},
        {"Laser 4", "Laser [0-35-9]", false},
        {"[Draft] Laser", "[Draft]*", false}, // a set: one of D, r, a, f and t
        {"]", "[]]", true},                   // "]" right after "[" is one of the set
        {"-", "[a-]", true},
        {"b", "[a-]", false},
        // A backtick makes the next character stand for itself; at the end, itself.
        {"Star*Driver", "Star`*Driver", true},
        {"StarXDriver", "Star`*Driver", false},
        {"[Draft] Laser", "`[Draft]*", true},
        {"a-c", "a[`-]c", true},
        {"b", "[a`-c]", false},
        {"Tab`", "Tab`", true},
        {"", "La[bs*", std::nullopt}, // a "[" never closed
        {"", "[]", std::nullopt},
        {"", "[a`]", std::nullopt},
        {"", "[z-a]", std::nullopt}, // a range that runs backwards
        {"", "[a-`]]", std::nullopt},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(IsPattern(FromAnsi(c.pattern)), c.matches.has_value()) << c.pattern;
        if (c.matches)
        {
            EXPECT_EQ(MatchesPattern(FromAnsi(c.name), FromAnsi(c.pattern)), *c.matches)
                << c.name << " ~ " << c.pattern;
        }
    }
}
} // namespace
