// Queue names as JSON strings.
#include "console/Json.h"

#include <gtest/gtest.h>

namespace
{
TEST(JsonTest, EverythingButPrintableAsciiIsEscaped)
{
    const struct
    {
        std::string text;
        std::string json;
    } cases[] = {
        {"Office Laser", "\"Office Laser\""},
        {"", "\"\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"\\\\printhost\\Laser", "\"\\\\\\\\printhost\\\\Laser\""},
        {"tab\tline\nend\r", "\"tab\\u0009line\\u000aend\\u000d\""},
        {std::string("nul\0x", 5), "\"nul\\u0000x\""},
        {"\x7f", "\"\\u007f\""},
        {"caf\xc3\xa9", "\"caf\\u00e9\""},
        {"\xe4\xba\x8b\xe5\x8b\x99\xe6\x89\x80", "\"\\u4e8b\\u52d9\\u6240\""},
        {"\xf0\x9f\x96\xa8", "\"\\ud83d\\udda8\""}, // outside the BMP: a surrogate pair
        {"bad\xff", "\"bad\\ufffd\""},
        {"cut\xe4\xba", "\"cut\\ufffd\\ufffd\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JsonString(c.text), c.json) << c.text;
}
} // namespace
