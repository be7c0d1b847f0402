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

// The text in lower case, for names given in any case: ASCII letters only,
// whatever the user's locale makes of other bytes, or of 'I'.
inline std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

} // namespace ratedload::cli
