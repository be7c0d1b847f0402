// SPDX-License-Identifier: MIT
#pragma once

// A command of ratedload-cli. Each command is one source file, which defines
// it and registers it: its name and help, the options it takes (from the
// table of options) and, for a command that answers for one car at a time,
// the question of the answers that it asks. Running it once, per line of a
// batch, or as a table is shared.

#include "cli/Options.h"

#include "answers/Questions.h"
#include "answers/Refusal.h"

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

// The status of an answer: its verdict's, for a check.
int StatusOf(const answers::Answer &answer);

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

// One car answered, for what is written of it besides its row (a sheet).
struct Answered {
    const answers::Question &question;
    const answers::Entries &entries;
    const std::vector<answers::Column> &columns; // of the question's answer
    const answers::Answer &answer;
    long long line = 0; // of a batch; 0 for one car
    std::optional<std::string> id; // the cell of a batch's id column
};
// Raises a Refusal when it cannot do its part; the answer stands.
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

// A command that asks a question for one car at a time: once, or for each
// line of a batch. Its options are the entries of its question.
class CarCommand : public Command {
public:
    explicit CarCommand(const answers::Question &question)
        : question_(question)
    {
    }

    const answers::Question &Asks() const { return question_; }
    std::string_view Name() const override { return question_.Name(); }
    std::vector<std::string_view> OptionNames() const override { return question_.EntryNames(); }
    bool TakesBatch() const override { return true; }

    int Run(const Request &request, const Streams &streams) const override;
    // Run, with `hook` called for each car answered.
    int RunWith(const Request &request, const Streams &streams, const AnswerHook &hook) const;

private:
    const answers::Question &question_;
};

// Called once by each command's source file; the order is that of the help.
bool RegisterCommand(const Command &command, int order);
std::vector<const Command *> Commands();
const Command *CommandNamed(std::string_view name);
const CarCommand &CarCommandNamed(std::string_view name);

// Writes the answers kept in `text`, and empties it, so that a line said on
// standard error next comes after them.
void WriteOut(std::ostream &out, std::string &text);

// Reports a refusal as one line: "ratedload-cli: WHERE: --FIELD: REASON";
// an overflow names the numbers given ("--area 1e20, --truck 5: ..."), the
// entry named `series` (the rows of a table) with its plural name.
void Report(std::ostream &err, std::string_view where, const answers::Refusal &refusal,
    const answers::Entries &entries, std::string_view series = {});
// Says one line on standard error, after the program's name; control
// characters quoted from the input are escaped, so that it stays one line.
void Say(std::ostream &err, const std::string &text);
// The text of that line, without the program's name.
std::string ReportLine(std::string_view where, const answers::Refusal &refusal,
    const answers::Entries &entries, std::string_view series = {});

} // namespace ratedload::cli
