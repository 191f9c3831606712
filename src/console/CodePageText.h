#pragma once

#include <functional>
#include <optional>
#include <string>

// One character (a UTF-16 code unit, or a surrogate pair) in a code page's bytes, or none when
// the code page has no exact equivalent for it (it would be dropped, become "?" or a look-alike).
using CharacterInCodePage = std::function<std::optional<std::string>(const std::wstring&)>;

// Text for a file or pipe in a code page. A character the code page holds exactly is converted;
// any other is written as \uXXXX, four lower-case hex digits per UTF-16 code unit (a surrogate
// pair as two), never as a look-alike: "Büro" in code page 932 becomes "B\u00fcro", not "Buro".
// A queue name so written holds a backslash where no queue name can have one, so it can never be
// read as the name of another queue.
std::string ToCodePageText(const std::wstring& text, const CharacterInCodePage& convert);
