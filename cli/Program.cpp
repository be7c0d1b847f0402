// SPDX-License-Identifier: MIT
#include "cli/Program.h"

#include "cli/Sheets.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <ostream>

namespace ratedload::cli {

namespace {

const char *const kExitStatus
    = "Exit status: 0 answered (check: the car passes), 1 check: the car fails, 2 bad input, a "
      "message of the calculation, an overflow or a failed write, 3 check: the car passes "
      "within the 5 % allowance. A batch exits with the first of 2, 1, 3 that any line gives.";

// A paragraph broken into lines of at most 79 characters; a per cent sign
// stays with its number.
std::string Wrapped(std::string_view paragraph)
{
    constexpr std::size_t kWidth = 79;
    std::string glued(paragraph);
    for (std::size_t at = glued.find(" %"); at != std::string::npos; at = glued.find(" %", at))
        glued[at] = '\x01';
    std::string text;
    std::size_t lineStart = 0;
    std::size_t pos = 0;
    while (pos < glued.size()) {
        const std::size_t blank = std::min(glued.find(' ', pos), glued.size());
        const std::string_view word = std::string_view(glued).substr(pos, blank - pos);
        if (text.size() > lineStart && text.size() - lineStart + 1 + word.size() > kWidth) {
            text += '\n';
            lineStart = text.size();
        } else if (text.size() > lineStart) {
            text += ' ';
        }
        text += word;
        pos = blank + 1;
    }
    std::replace(text.begin(), text.end(), '\x01', ' ');
    return text + '\n';
}

std::string Examples(const std::vector<std::string_view> &lines, std::string_view notes = {})
{
    std::string text = notes.empty() ? "" : "\n" + Wrapped(notes);
    text += "\nExamples:\n";
    for (std::string_view line : lines)
        text += "  " + std::string(line) + "\n";
    return text + "\n" + Wrapped(kExitStatus);
}

// What the parser gathers for one command.
struct Parsed {
    const Command *command = nullptr;
    CLI::App *app = nullptr;
    std::map<std::string_view, CLI::Option *> options;
    std::string format = "text";
    bool metric = false;
    bool imperial = false;
    CLI::Option *batch = nullptr;
    std::string batchFile;
};

void AddCommand(CLI::App &program, const Command &command, Parsed &parsed)
{
    parsed.command = &command;
    CLI::App *app
        = program.add_subcommand(std::string(command.Name()), std::string(command.Summary()));
    parsed.app = app;
    app->group("Commands");
    app->footer(Examples(command.Examples(), command.Notes()));
    std::vector<std::string_view> names = command.OptionNames();
    const SheetMaker *sheets = RegisteredSheetMaker();
    if (sheets && dynamic_cast<const CarCommand *>(&command)) {
        const std::vector<std::string_view> sheetNames = sheets->OptionNames();
        names.insert(names.end(), sheetNames.begin(), sheetNames.end());
    }
    for (std::string_view name : names) {
        const OptionEntry &entry = *OptionNamed(name);
        std::string_view help = command.OptionHelp(name);
        if (help.empty())
            help = entry.help.empty() ? answers::EntryHelp(name) : entry.help;
        parsed.options[name]
            = app->add_option("--" + std::string(name))
                  ->description(std::string(help))
                  ->type_name(std::string(entry.valueName))
                  ->multi_option_policy(entry.outputs ? CLI::MultiOptionPolicy::TakeAll
                                                      : CLI::MultiOptionPolicy::Throw);
    }
    CLI::Option *metric = app->add_flag("--metric", parsed.metric,
        "metric units: kilograms, square metres, metres and millimetres");
    app->add_flag("--imperial", parsed.imperial,
           "imperial units (the default): pounds, square feet, feet and inches")
        ->excludes(metric);
    app->add_option("--format", parsed.format,
           "text (aligned for people, the default), csv (a header line, then a line per "
           "answer), json (one document: an array of the answers of a table or batch, the "
           "answer itself otherwise) or jsonl (one answer per line)")
        ->type_name("FORMAT")
        ->check(CLI::IsMember({ "text", "csv", "json", "jsonl" }))
        ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    if (command.TakesBatch())
        parsed.batch = app->add_option("--batch", parsed.batchFile,
                              "read the cars from CSV: the file named, or standard input (no "
                              "name, or -); a header names the columns (options such as load or "
                              "'Rated load (lb)', an id, others carried through to the answers), "
                              "then one car per line; options given here are the defaults of "
                              "every line. Separated by commas, or by semicolons (with decimal "
                              "commas) or tabs; UTF-8, or else Windows-1252")
                           ->type_name("[FILE]")
                           ->expected(0, 1)
                           ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
}

answers::Format FormatOf(const std::string &format)
{
    if (format == "csv")
        return answers::Format::Csv;
    if (format == "json")
        return answers::Format::Json;
    if (format == "jsonl")
        return answers::Format::Jsonl;
    return answers::Format::Text;
}

Request RequestOf(const Parsed &parsed)
{
    Request request;
    request.entries.units = parsed.metric ? rules::Units::Metric : rules::Units::Imperial;
    request.format = FormatOf(parsed.format);
    request.batch = parsed.batch && parsed.batch->count() > 0;
    request.batchFile = parsed.batchFile;
    for (const auto &[name, option] : parsed.options) {
        if (option->count() == 0 || option->results().empty())
            continue;
        const OptionEntry &entry = *OptionNamed(name);
        if (auto *text = answers::EntryNamed(request.entries, name))
            *text = option->results().back();
        else if (entry.output)
            request.outputs.*(entry.output) = option->results().back();
        else if (entry.outputs)
            request.outputs.*(entry.outputs) = option->results();
    }
    return request;
}

// Passes the answers on to standard output and keeps the system's reason
// for the first write that failed (a full disk, a closed output).
class WatchedOutput : public std::streambuf {
public:
    explicit WatchedOutput(std::streambuf *target)
        : target_(target)
    {
    }

    int error() const { return error_; }

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        errno = 0;
        const int_type put = target_->sputc(traits_type::to_char_type(c));
        if (traits_type::eq_int_type(put, traits_type::eof()))
            Failed();
        return put;
    }

    std::streamsize xsputn(const char *text, std::streamsize count) override
    {
        errno = 0;
        const std::streamsize put = target_->sputn(text, count);
        if (put < count)
            Failed();
        return put;
    }

    int sync() override
    {
        errno = 0;
        const int synced = target_->pubsync();
        if (synced != 0)
            Failed();
        return synced;
    }

private:
    void Failed()
    {
        if (error_ == 0)
            error_ = errno ? errno : EIO;
    }

    std::streambuf *target_;
    int error_ = 0;
};

// A failed write is no answer: it is said, and the status is that of bad
// input at least.
int Written(int status, std::ostream &out, const WatchedOutput &watch, std::ostream &err)
{
    out.flush();
    if (out && watch.error() == 0)
        return status;
    Say(err,
        std::string("cannot write the answers to standard output: ")
            + std::strerror(watch.error() ? watch.error() : EIO));
    return WorseStatus(status, kBadInput);
}

} // namespace

int RunProgram(const std::vector<std::string> &arguments, const Streams &given)
{
    WatchedOutput watch(given.out.rdbuf());
    std::ostream out(&watch);
    const Streams streams { given.in, out, given.err, given.inputIsTerminal };

    CLI::App program { "Minimum rated load and maximum inside net platform area of elevator "
                       "cars, with the calculator's figures.",
        kProgram };
    program.set_version_flag("--version", std::string(kProgram) + " " + RATEDLOAD_VERSION);
    program.require_subcommand(0, 1);
    program.get_formatter()->label("SUBCOMMAND", "COMMAND");
    program.footer(
        Examples({ "ratedload-cli load --area 50", "ratedload-cli area --load 2500 --depth 7ft",
                     "ratedload-cli table --loads 2000:5000:500 --format csv",
                     "ratedload-cli check --load 2500 --depth 7ft4in --width 5ft8in",
                     "ratedload-cli check --batch --format csv < fleet.csv",
                     "Run 'ratedload-cli COMMAND --help' for the options of a command." },
            OutputsText()));

    const std::vector<const Command *> commands = Commands();
    std::vector<Parsed> parsed(commands.size());
    for (std::size_t i = 0; i < commands.size(); ++i)
        AddCommand(program, *commands[i], parsed[i]);

    std::vector<const char *> argv { kProgram };
    for (const std::string &argument : arguments)
        argv.push_back(argument.c_str());
    try {
        program.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::CallForHelp &e) {
        return Written(program.exit(e, streams.out, streams.err), out, watch, streams.err);
    } catch (const CLI::CallForVersion &e) {
        return Written(program.exit(e, streams.out, streams.err), out, watch, streams.err);
    } catch (const CLI::ParseError &e) {
        Say(streams.err, e.what());
        return kBadInput;
    }

    try {
        for (const Parsed &command : parsed) {
            if (!command.app->parsed())
                continue;
            const Request request = RequestOf(command);
            const auto *cars = dynamic_cast<const CarCommand *>(command.command);
            const SheetMaker *sheets = RegisteredSheetMaker();
            // A sheet on standard output takes it; the answers are on the sheet.
            const bool sheetTakesOutput = sheets && sheets->TakesStandardOutput(request);
            const Streams answers = sheetTakesOutput
                ? Streams { streams.in, Nowhere(), streams.err, streams.inputIsTerminal }
                : streams;
            const int status = cars && sheets
                ? cars->RunWith(request, answers, sheets->Prepare(request, streams.out))
                : command.command->Run(request, streams);
            return Written(status, out, watch, streams.err);
        }
    } catch (const answers::Refusal &refusal) {
        Say(streams.err, ReportLine("", refusal, {}));
        return kBadInput;
    } catch (const std::exception &e) {
        Say(streams.err, e.what());
        return kBadInput;
    }
    std::string names;
    for (std::size_t i = 0; i < commands.size(); ++i)
        names += (i == 0                            ? ""
                         : i + 1 == commands.size() ? " or "
                                                    : ", ")
            + std::string(commands[i]->Name());
    Say(streams.err, "a command is needed: " + names + " (see --help)");
    return kBadInput;
}

} // namespace ratedload::cli
