// What tests can arrange of the ANSI code page.
#pragma once

namespace host::text
{
// IsDBCSLeadByte answers for code page 932 (Shift-JIS) instead of UTF-8, so that names whose
// second bytes look like a backslash or a comma can be tried. Conversion stays UTF-8.
void UseShiftJisLeadBytes(bool use);
} // namespace host::text
