// SPDX-License-Identifier: MIT
#pragma once

// A command of ratedload-cli. Each command is one source file, which defines
// it and registers it: its name and help, the options it takes (from the
// table of options), the columns of its answers and how it answers one car.
// Running it once, per line of a batch, or as a table is shared.

#include "cli/Failure.h"
#include "cli/Options.h"
#include "cli/Output.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ratedload::cli {

// Exit statuses of the program.
inline constexpr int kSuccess = 0; // answered; a checked car passes
inline constexpr int kCheckFails = 1; // a checked car fails
inline constexpr int kBadInput = 2; // bad input, a message or an overflow
inline constexpr int kCheckWithinAllowance = 3; // a checked car passes within the 5 % allowance

// The status of several answers: bad input before a car that fails, before
// one that passes within the allowance, before one that passes.
int WorseStatus(int a, int b);

// Where a command reads and writes.
struct Streams {
    std::istream &in;
    std::ostream &out;
    std::ostream &err;
    bool inputIsTerminal = false;
};

// A stream that takes everything and keeps nothing: for answers that are
// not shown (the cars of a chart, a car whose sheet takes standard output).
std::ostream &Nowhere();

// Which columns the answers have: the passenger count for the types that
// carry passengers, the found side when a side is given to find the other.
struct Layout {
    bool passengers = true;
    bool side = false;
};

// One answer: a value per column, or the failure that stopped it.
struct Answer {
    Row row;
    std::optional<Failure> failure;
    int status = kSuccess; // what the answer says to the exit status
};

// One car answered, for what is written of it besides its row (a sheet).
struct Answered {
    rules::Units units;
    const Options &options;
    const std::vector<Column> &columns; // of the command's answer
    const Row &row;
    long long line = 0; // of a batch; 0 for one car
    std::optional<std::string> id; // the cell of a batch's id column
};
// Raises Failure when it cannot do its part; the answer stands.
using AnswerHook = std::function<void(const Answered &)>;

class Command {
public:
    virtual ~Command() = default;

    virtual std::string_view Name() const = 0;
    virtual std::string_view Summary() const = 0;
    virtual std::vector<std::string_view> Examples() const = 0;
    // What its help says besides its options and examples.
    virtual std::string_view Notes() const { return {}; }
    // The options it takes, by their names in the table of options.
    virtual std::vector<std::string_view> OptionNames() const = 0;
    // Whether --batch reads its cars from CSV.
    virtual bool TakesBatch() const { return false; }
    // Its own help for an option of the table, where the table's does not fit it.
    virtual std::string_view OptionHelp(std::string_view) const { return {}; }

    virtual int Run(const Request &request, const Streams &streams) const = 0;
};

// A command that answers for one car at a time: once, or for each line of a
// batch.
class CarCommand : public Command {
public:
    bool TakesBatch() const override { return true; }

    // The layout for the options given; a batch's columns may change the
    // type or give a side on any line.
    virtual Layout LayoutFor(
        const Options &options, const std::vector<std::string> &batchColumns = {}) const = 0;
    virtual std::vector<Column> Columns(rules::Units units, const Layout &layout) const = 0;
    // Answers one car; a failure is raised as Failure.
    virtual Row Answer(
        rules::Units units, const Options &options, const Layout &layout, int &status) const = 0;

    int Run(const Request &request, const Streams &streams) const override;
    // Run, with `hook` called for each car answered.
    int RunWith(const Request &request, const Streams &streams, const AnswerHook &hook) const;

    // Answers one car, with any failure caught.
    cli::Answer Calculate(rules::Units units, const Options &options, const Layout &layout) const;
};

// Called once by each command's source file; the order is that of the help.
bool RegisterCommand(const Command &command, int order);
std::vector<const Command *> Commands();
const Command *CommandNamed(std::string_view name);
const CarCommand &CarCommandNamed(std::string_view name);

// Columns of an answer: a figure (a number, right-aligned) or a word.
Column Figure(std::string key, std::string title, std::string label, std::string unit);
Column Word(std::string key, std::string title, std::string label);

// Reports a failure as one line: "ratedload-cli: WHERE: REASON".
void Report(std::ostream &err, std::string_view where, const Failure &failure,
    const Options &options, std::string_view series = {});
void Say(std::ostream &err, const std::string &text);
// The text of that line, without the program's name.
std::string ReportLine(std::string_view where, const Failure &failure, const Options &options,
    std::string_view series = {});

} // namespace ratedload::cli
