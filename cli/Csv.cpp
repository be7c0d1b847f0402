// SPDX-License-Identifier: MIT
#include "cli/Csv.h"

#include "cli/Failure.h"

namespace ratedload::cli {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<std::string> SplitCsvLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    std::vector<std::string> fields;
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && IsBlank(line[pos]))
            ++pos;
        std::string field;
        if (pos < line.size() && line[pos] == '"') {
            const std::size_t opened = pos++;
            bool closed = false;
            while (pos < line.size()) {
                if (line[pos] == '"') {
                    if (pos + 1 < line.size() && line[pos + 1] == '"') {
                        field += '"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    closed = true;
                    break;
                }
                field += line[pos++];
            }
            if (!closed)
                throw InputError(
                    "the quote opened at column " + std::to_string(opened + 1) + " is not closed");
            while (pos < line.size() && IsBlank(line[pos]))
                ++pos;
            if (pos < line.size() && line[pos] != ',')
                throw InputError(
                    "text after the closing quote at column " + std::to_string(pos + 1));
        } else {
            const std::size_t start = pos;
            while (pos < line.size() && line[pos] != ',')
                ++pos;
            std::string_view plain = line.substr(start, pos - start);
            while (!plain.empty() && IsBlank(plain.back()))
                plain.remove_suffix(1);
            field = std::string(plain);
        }
        fields.push_back(std::move(field));
        if (pos >= line.size())
            break;
        ++pos; // the comma
    }
    return fields;
}

std::string CsvField(std::string_view value)
{
    const bool quoted = value.find_first_of(",\"\r\n") != std::string_view::npos
        || (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())));
    if (!quoted)
        return std::string(value);
    std::string field = "\"";
    for (char c : value) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + '"';
}

} // namespace ratedload::cli
