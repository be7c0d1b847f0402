// SPDX-License-Identifier: MIT
#include "cli/Command.h"

#include "cli/Batch.h"

#include "answers/Text.h"

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

// The numbers given, such as "--area 10, --truck 3E9", to say where an
// overflow came from. The entry named `series` (a table's row entry) is
// written with its plural name.
std::string NumbersGiven(const answers::Entries &entries, std::string_view series)
{
    std::string given;
    for (std::string_view name : { "area", "depth", "width", "load", "truck" }) {
        const std::optional<std::string> &value = *answers::EntryNamed(entries, name);
        if (!value)
            continue;
        given += (given.empty() ? "--" : ", --") + std::string(name) + (name == series ? "s " : " ")
            + *value;
    }
    return given;
}

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
    answers::Reply reply;
    try {
        reply = answers::Ask(question_, request.entries);
    } catch (const answers::Refusal &refusal) {
        Report(streams.err, "", refusal, request.entries);
        return kBadInput;
    }
    streams.out << answers::Written(request.format, reply.columns, reply.answer.row);
    streams.out.flush();
    if (hook) {
        try {
            hook({ question_, request.entries, reply.columns, reply.answer, 0, std::nullopt });
        } catch (const answers::Refusal &refusal) {
            Report(streams.err, "", refusal, request.entries);
            return kBadInput;
        }
    }
    return StatusOf(reply.answer);
}

int WorseStatus(int a, int b)
{
    for (int status : { kBadInput, kCheckFails, kCheckWithinAllowance }) {
        if (a == status || b == status)
            return status;
    }
    return kSuccess;
}

int StatusOf(const answers::Answer &answer)
{
    if (!answer.verdict)
        return kSuccess;
    switch (*answer.verdict) {
    case calc::Verdict::Passes:
        return kSuccess;
    case calc::Verdict::PassesWithinAllowance:
        return kCheckWithinAllowance;
    case calc::Verdict::Fails:
        break;
    }
    return kCheckFails;
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

void WriteOut(std::ostream &out, std::string &text)
{
    out << text;
    text.clear();
    out.flush();
}

void Say(std::ostream &err, const std::string &text)
{
    err << "ratedload-cli: " << answers::Escaped(text) << '\n';
    err.flush();
}

void Report(std::ostream &err, std::string_view where, const answers::Refusal &refusal,
    const answers::Entries &entries, std::string_view series)
{
    Say(err, ReportLine(where, refusal, entries, series));
}

std::string ReportLine(std::string_view where, const answers::Refusal &refusal,
    const answers::Entries &entries, std::string_view series)
{
    // A table's row is named among the numbers given.
    const bool overflow = refusal.kind() == answers::Refusal::Kind::Overflow;
    std::string text(overflow && !series.empty() ? std::string_view() : where);
    if (!text.empty())
        text += ": ";
    if (overflow)
        text += NumbersGiven(entries, series) + ": ";
    else if (!refusal.field().empty())
        text += "--" + refusal.field() + ": ";
    return text + refusal.reason();
}

} // namespace ratedload::cli
