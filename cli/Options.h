// SPDX-License-Identifier: MIT
#pragma once

// The options of the command line, in one table: it sets up the parser and
// its help, names the columns a batch header may have, and ties each option
// to its text in Options.

#include "cli/Output.h"

#include "rules/Units.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ratedload::cli {

// The texts given for one car or one row (on the command line or in a line of
// a batch); nullopt where an option was not given.
struct Options {
    std::optional<std::string> type;
    std::optional<std::string> freightClass;
    std::optional<std::string> truck;
    std::optional<std::string> area;
    std::optional<std::string> depth;
    std::optional<std::string> width;
    std::optional<std::string> load;
    std::optional<std::string> loads;
    std::optional<std::string> areas;
};

struct OptionSpec {
    std::string_view name; // without "--"
    std::string_view valueName;
    std::string_view help;
    std::optional<std::string> Options::*text;
    bool perCar; // may be a column of a batch
};

// The option of that name, or nullptr.
const OptionSpec *OptionNamed(std::string_view name);

// The text of an option of that name in `options`, or nullptr for a name
// that is no option.
std::optional<std::string> *TextOf(Options &options, std::string_view name);
const std::optional<std::string> *TextOf(const Options &options, std::string_view name);

// What a command is asked: its options, the unit system and the format.
struct Request {
    rules::Units units = rules::Units::Imperial;
    Options options;
    Format format = Format::Text;
    bool batch = false;
    std::string batchFile; // the file after --batch; empty or "-": standard input
};

} // namespace ratedload::cli
