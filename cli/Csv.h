// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ratedload::cli {

// The fields of one line of CSV: separated by commas, each either plain (blanks
// around it dropped, a quote inside it taken as it stands, as in 7'4") or in
// double quotes with "" for a quote inside. A
// carriage return at the end is dropped. Throws InputError for a quote left
// open or text after a closing quote.
std::vector<std::string> SplitCsvLine(std::string_view line);

// A field as written into CSV: in quotes when it holds a comma, a quote, a
// line break or blanks at either end.
std::string CsvField(std::string_view value);

} // namespace ratedload::cli
