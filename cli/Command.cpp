// SPDX-License-Identifier: MIT
#include "cli/Command.h"

#include "cli/Batch.h"
#include "cli/Reading.h"

#include "rules/RunTimeError.h"

#include <algorithm>
#include <ostream>
#include <streambuf>

namespace ratedload::cli {

namespace {

struct Registered {
    const Command *command;
    int order;
};

std::vector<Registered> &Registry()
{
    static std::vector<Registered> registry;
    return registry;
}

class Discard : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char *, std::streamsize count) override { return count; }
};

} // namespace

std::ostream &Nowhere()
{
    static Discard discard;
    static std::ostream nowhere(&discard);
    return nowhere;
}

int CarCommand::Run(const Request &request, const Streams &streams) const
{
    return RunWith(request, streams, {});
}

int CarCommand::RunWith(
    const Request &request, const Streams &streams, const AnswerHook &hook) const
{
    if (request.batch)
        return RunBatch(*this, request, streams, hook);
    const Layout layout = LayoutFor(request.options);
    const cli::Answer answer = Calculate(request.units, request.options, layout);
    if (answer.failure) {
        Report(streams.err, "", *answer.failure, request.options);
        return kBadInput;
    }
    const std::vector<Column> columns = Columns(request.units, layout);
    RecordWriter writer(streams.out, request.format, columns, true);
    writer.Write(answer.row);
    writer.Finish();
    if (hook) {
        try {
            hook({ request.units, request.options, columns, answer.row, 0, std::nullopt });
        } catch (const Failure &failure) {
            Report(streams.err, "", failure, request.options);
            return kBadInput;
        }
    }
    return answer.status;
}

cli::Answer CarCommand::Calculate(
    rules::Units units, const Options &options, const Layout &layout) const
{
    cli::Answer answer;
    try {
        answer.row = Answer(units, options, layout, answer.status);
    } catch (const Failure &failure) {
        answer.failure = failure;
    } catch (const rules::RunTimeError &error) {
        answer.failure = Failure(Failure::Kind::Overflow, error.what());
    }
    if (answer.failure) {
        answer.row.clear();
        answer.status = kBadInput;
    }
    return answer;
}

int WorseStatus(int a, int b)
{
    for (int status : { kBadInput, kCheckFails, kCheckWithinAllowance }) {
        if (a == status || b == status)
            return status;
    }
    return kSuccess;
}

bool RegisterCommand(const Command &command, int order)
{
    Registry().push_back({ &command, order });
    return true;
}

std::vector<const Command *> Commands()
{
    std::vector<Registered> sorted = Registry();
    std::sort(sorted.begin(), sorted.end(),
        [](const Registered &a, const Registered &b) { return a.order < b.order; });
    std::vector<const Command *> commands;
    for (const Registered &entry : sorted)
        commands.push_back(entry.command);
    return commands;
}

const Command *CommandNamed(std::string_view name)
{
    for (const Registered &entry : Registry()) {
        if (entry.command->Name() == name)
            return entry.command;
    }
    return nullptr;
}

const CarCommand &CarCommandNamed(std::string_view name)
{
    return dynamic_cast<const CarCommand &>(*CommandNamed(name));
}

Column Figure(std::string key, std::string title, std::string label, std::string unit)
{
    return Column { std::move(key), std::move(title), std::move(label), std::move(unit),
        Kind::Number };
}

Column Word(std::string key, std::string title, std::string label)
{
    return Column { std::move(key), std::move(title), std::move(label), {}, Kind::Word };
}

void Say(std::ostream &err, const std::string &text)
{
    err << "ratedload-cli: " << text << '\n';
    err.flush();
}

void Report(std::ostream &err, std::string_view where, const Failure &failure,
    const Options &options, std::string_view series)
{
    Say(err, ReportLine(where, failure, options, series));
}

std::string ReportLine(
    std::string_view where, const Failure &failure, const Options &options, std::string_view series)
{
    // A table's row is named among the numbers given.
    const bool overflow = failure.kind() == Failure::Kind::Overflow;
    std::string text(overflow && !series.empty() ? std::string_view() : where);
    if (!text.empty())
        text += ": ";
    if (overflow)
        text += NumbersGiven(options, series) + ": ";
    return text + failure.what();
}

} // namespace ratedload::cli
