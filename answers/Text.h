// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace ratedload::answers {

inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The text without the blanks and tabs around it.
inline std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Names and units are ASCII: letters, digits and case are told here, not by
// the user's locale, whatever it makes of other bytes, or of 'I'.
inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A letter in lower case; any other character as it is.
inline char LowerLetter(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text in lower case, for names given in any case.
inline std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = LowerLetter(c);
    return lower;
}

// Whether two names are the same in any case: Lower(a) == Lower(b), without
// the copies.
inline bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerLetter(a[i]) != LowerLetter(b[i]))
            return false;
    }
    return true;
}

// The text with its first letter in upper case, for a heading.
inline std::string Capitalised(std::string_view text)
{
    std::string capitalised(text);
    if (!capitalised.empty() && capitalised[0] >= 'a' && capitalised[0] <= 'z')
        capitalised[0] = static_cast<char>(capitalised[0] - 'a' + 'A');
    return capitalised;
}

// The length of the UTF-8 sequence at the start of the text; 0 where it is
// none: a stray continuation byte, a sequence cut short, an overlong form, a
// surrogate, a code beyond U+10FFFF.
std::size_t Utf8Length(std::string_view text);

// Whether the bytes are UTF-8, every one of them.
bool IsUtf8(std::string_view text);

// Control characters written as escapes (\t, \n, \x1b), so that a text
// quoted from an entry stays on its line and cannot move the cursor or
// ring the bell.
std::string Escaped(std::string_view text);

// Bytes of Windows-1252 (what a spreadsheet on a Western Windows saves as
// CSV) in UTF-8. The five bytes it leaves undefined become the C1 controls
// of the same number, as web browsers read them.
std::string Utf8FromWindows1252(std::string_view text);

} // namespace ratedload::answers
