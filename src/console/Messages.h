#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The pattern with %1 to %9 replaced by the arguments, in one pass: an argument's own "%2" is
// not replaced again. A % not followed by the number of a given argument stays as it is.
std::string Substitute(const std::string& pattern, const std::vector<std::string>& arguments);

// A string resource in the user's language with its arguments put in.
std::string Message(UINT id, const std::vector<std::string>& arguments = {});

// Writes one line (or, for a string with line breaks, lines) to standard output or error.
void SayLine(UINT id, const std::vector<std::string>& arguments = {});
void ComplainLine(UINT id, const std::vector<std::string>& arguments = {});
