// What tests can observe of the console program's standard output and standard error.
#pragma once

#include <string>

namespace host::console
{
void Reset();
// Everything written to each since the last reset, exactly as the program wrote it.
const std::string& Output();
const std::string& Errors();
} // namespace host::console
