// SPDX-License-Identifier: MIT
#pragma once

// The options of the command line, in one table: it sets up the parser and
// its help, names the columns a batch header may have, and ties each option
// to its text in Options (or, for sheets and charts, in Outputs).

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

// What one invocation writes besides its answers: calculation sheets and
// charts. Given once for all the cars, but for the files of a --sheet-dir.
struct Outputs {
    std::optional<std::string> sheet;
    std::optional<std::string> sheetDir;
    std::optional<std::string> paper;
    std::optional<std::string> site;
    std::optional<std::string> inspector;
    std::optional<std::string> svg;
    std::optional<std::string> png;
    std::optional<std::string> size;
    std::vector<std::string> cars; // --car, as often as given
};

struct OptionEntry {
    std::string_view name; // without "--"
    std::string_view valueName;
    std::string_view help;
    std::optional<std::string> Options::*text;
    bool perCar; // may be a column of a batch
    // An option of the invocation rather than of a car keeps its text here
    // (text is then nullptr); one given any number of times, in the list.
    std::optional<std::string> Outputs::*output = nullptr;
    std::vector<std::string> Outputs::*outputs = nullptr;
};

// The option of that name, or nullptr.
const OptionEntry *OptionNamed(std::string_view name);

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
    Outputs outputs;
};

} // namespace ratedload::cli
