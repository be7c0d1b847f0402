// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace ratedload::cli {

// The text without the blanks and tabs around it.
inline std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
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

// The text in lower case, for names given in any case.
inline std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

// The text with its first letter in upper case, for a heading.
inline std::string Capitalised(std::string_view text)
{
    std::string capitalised(text);
    if (!capitalised.empty() && capitalised[0] >= 'a' && capitalised[0] <= 'z')
        capitalised[0] = static_cast<char>(capitalised[0] - 'a' + 'A');
    return capitalised;
}

// Whether the bytes are UTF-8: no stray continuation byte, no sequence cut
// short, no overlong form, no surrogate, nothing beyond U+10FFFF.
bool IsUtf8(std::string_view text);

// Bytes of Windows-1252 (what a spreadsheet on a Western Windows saves as
// CSV) in UTF-8. The five bytes it leaves undefined become the C1 controls
// of the same number, as web browsers read them.
std::string Utf8FromWindows1252(std::string_view text);

} // namespace ratedload::cli
