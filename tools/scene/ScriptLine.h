#pragma once
// One script line cut into words.

#include <string>
#include <string_view>
#include <vector>

// Whitespace separates words, except inside a quoted string or a [...] or
// {...} group, so that `[3, 4]` and `"Ink Free"` stay one word each. A '#'
// outside quotes ends the line. Quotes are kept: a word's reader decides
// what they mean. Throws TScriptError for an open quote or group.
std::vector<std::string> SplitScriptLine(std::string_view line);
