// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Output.h"

#include "rules/Units.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ratedload::cli {

// The three calculations; a table is a series of Load or Area rows.
enum class Command { Load, Area, Check };

// One set of options, as the texts given (on the command line or in a batch
// line); nullopt where an option was not given.
struct Options {
    std::optional<std::string> type;
    std::optional<std::string> freightClass;
    std::optional<std::string> truck;
    std::optional<std::string> area;
    std::optional<std::string> depth;
    std::optional<std::string> width;
    std::optional<std::string> load;
};

// The option names of a command, without "--", as a batch header names them.
const std::vector<std::string_view> &OptionNames(Command command);

// The option of that name ("class" for freightClass), or nullptr.
std::optional<std::string> *OptionNamed(Options &options, std::string_view name);

// Which columns the answers have: the passenger count for the types that
// carry passengers, the found side when a side is given to the Area command.
struct Layout {
    bool passengers = true;
    bool side = false;
};

// The layout for a set of options; with a batch, the columns its header names
// may change the type or give a side on any line.
Layout LayoutFor(Command command, const Options &options,
    const std::vector<std::string> &batchColumns = {});

// The columns of the answers of a command, in order.
std::vector<Column> AnswerColumns(Command command, rules::Units units, const Layout &layout);

// Why no answer was given.
enum class Failure {
    Input, // an option is wrong: the text names it
    Message, // the calculation shows a message: the text is the message
    Overflow, // a run-time error of the rules, such as an overflow
};

struct Answer {
    Row row; // one value per column of AnswerColumns, when there is no failure
    std::optional<Failure> failure;
    std::string reason;
    bool fails = false; // Check: the car fails
};

// Validates the options and calculates, exactly as a press of Calculate in the
// window would with the same entries.
Answer Calculate(Command command, rules::Units units, const Options &options, const Layout &layout);

// The numbers given, such as "--area 10, --truck 3E9", to say where an
// overflow came from. The option named `series` (a table's row option) is
// written with its plural name.
std::string NumbersGiven(const Options &options, std::string_view series = {});

} // namespace ratedload::cli
