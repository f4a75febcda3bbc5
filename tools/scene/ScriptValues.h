#pragma once
// Reading one script word as a value. Each reader takes the whole word and
// throws TScriptError saying what it expected and what it got.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "animation/JobTable.h"
#include "ui/Types.h"

// A finite decimal number: 12, -0.5, 1e3.
double ReadNumber(std::string_view word);
// A whole number in the int range.
int ReadInteger(std::string_view word);
// A whole number from 0 up, as the random generator takes it.
std::uint64_t ReadUnsigned(std::string_view word);
// 0x and eight hex digits, alpha first: 0xFF000080.
TAlphaColor ReadColor(std::string_view word);
// Center, Leading or Trailing.
TTextAlign ReadAlignment(std::string_view word);

bool IsQuoted(std::string_view word);
// "..." with \" and \\ as the only escapes; UTF-8 inside becomes UTF-16.
UnicodeString ReadQuotedString(std::string_view word);
// A quoted string, or a bare word taken as it stands.
UnicodeString ReadText(std::string_view word);
// A file path, quoted or bare, in UTF-8 as the file system takes it; never empty.
std::string ReadPath(std::string_view word);

// [a,b,…] of numbers; [] is empty.
TNbrArray ReadNumberList(std::string_view word);

// The inside of a bracketed word, between `open` and `close`.
std::string_view Bracketed(std::string_view word, char open, char close, const char* expected);
// Splits at `separator` and trims blanks around each part; "" gives no parts.
std::vector<std::string_view> SplitTrimmed(std::string_view text, char separator);
// Quotes a word for a message.
std::string Quoted(std::string_view word);
// A number for a message, as short as it reads exactly: 86400, 0.5.
std::string FormatNumber(double value);
