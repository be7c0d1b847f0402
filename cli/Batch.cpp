// SPDX-License-Identifier: MIT
#include "cli/Batch.h"

#include "cli/Csv.h"
#include "cli/Reading.h"
#include "cli/Text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>
#include <ostream>
#include <string>

namespace ratedload::cli {

namespace {

constexpr std::string_view kIdColumn = "id";

// What a column of the header is to the batch.
struct HeaderColumn {
    enum class Role { Id, Option, Carried, Ignored } role = Role::Ignored;
    std::string name; // the option's name, or the header's text for a carried column
    std::string unit; // of a side given in the heading, for numbers without one
};

// The names people give the columns, in any case, with blanks, "_" or "-"
// between the words: "Rated load", "rated_load".
struct Spelling {
    std::string_view written;
    std::string_view name;
};
constexpr Spelling kSpellings[] = {
    { "id", "id" },
    { "car", "id" },
    { "car id", "id" },
    { "car no", "id" },
    { "car number", "id" },
    { "type", "type" },
    { "elevator type", "type" },
    { "class", "class" },
    { "freight class", "class" },
    { "loading class", "class" },
    { "class of loading", "class" },
    { "truck", "truck" },
    { "truck weight", "truck" },
    { "loaded truck", "truck" },
    { "load", "load" },
    { "rated load", "load" },
    { "plated load", "load" },
    { "capacity", "load" },
    { "area", "area" },
    { "platform area", "area" },
    { "net area", "area" },
    { "inside net platform area", "area" },
    { "depth", "depth" },
    { "platform depth", "depth" },
    { "car depth", "depth" },
    { "width", "width" },
    { "platform width", "width" },
    { "car width", "width" },
};

// The units a heading may name after an option, in parentheses or brackets:
// "Load (lb)", "Area [m²]".
struct HeadingUnit {
    std::string_view written;
    std::string_view quantity; // "load", "area" or "side"
    rules::Units units;
    std::string_view side; // the unit a side takes from it: "in", "mm"
};
constexpr HeadingUnit kHeadingUnits[] = {
    { "lb", "load", rules::Units::Imperial, "" },
    { "lbs", "load", rules::Units::Imperial, "" },
    { "pounds", "load", rules::Units::Imperial, "" },
    { "kg", "load", rules::Units::Metric, "" },
    { "kilograms", "load", rules::Units::Metric, "" },
    { "sq ft", "area", rules::Units::Imperial, "" },
    { "sqft", "area", rules::Units::Imperial, "" },
    { "ft2", "area", rules::Units::Imperial, "" },
    { "ft\u00b2", "area", rules::Units::Imperial, "" },
    { "square feet", "area", rules::Units::Imperial, "" },
    { "sq m", "area", rules::Units::Metric, "" },
    { "sqm", "area", rules::Units::Metric, "" },
    { "m2", "area", rules::Units::Metric, "" },
    { "m\u00b2", "area", rules::Units::Metric, "" },
    { "square metres", "area", rules::Units::Metric, "" },
    { "square meters", "area", rules::Units::Metric, "" },
    { "ft", "side", rules::Units::Imperial, "ft" },
    { "feet", "side", rules::Units::Imperial, "ft" },
    { "in", "side", rules::Units::Imperial, "in" },
    { "inches", "side", rules::Units::Imperial, "in" },
    { "m", "side", rules::Units::Metric, "m" },
    { "metres", "side", rules::Units::Metric, "m" },
    { "meters", "side", rules::Units::Metric, "m" },
    { "mm", "side", rules::Units::Metric, "mm" },
    { "millimetres", "side", rules::Units::Metric, "mm" },
    { "millimeters", "side", rules::Units::Metric, "mm" },
};

// Lower case, the words apart by one blank; "_" and "-" part words too, and
// points go ("sq. ft.").
std::string Words(std::string_view text, bool points)
{
    std::string words;
    bool blank = false;
    for (char c : Lower(text)) {
        if (c == ' ' || c == '\t' || c == '_' || c == '-' || (points && c == '.')) {
            blank = !words.empty();
            continue;
        }
        if (blank)
            words += ' ';
        blank = false;
        words += c;
    }
    return words;
}

struct Heading {
    std::string name; // of the option or the id it names, else its words
    std::string words; // as written, in lower case
    std::string unit; // in parentheses or brackets after it
};

// A heading as its name and the unit after it, if any: "Load (lb)" is
// load in lb; "--depth" is depth.
Heading HeadingOf(std::string_view cell)
{
    std::string_view heading = Trimmed(cell);
    if (heading.rfind("--", 0) == 0)
        heading.remove_prefix(2);
    std::string_view unit;
    if (!heading.empty() && (heading.back() == ')' || heading.back() == ']')) {
        const std::size_t open = heading.rfind(heading.back() == ')' ? '(' : '[');
        if (open != std::string_view::npos && open > 0) {
            unit = Trimmed(heading.substr(open + 1, heading.size() - open - 2));
            heading = heading.substr(0, open);
        }
    }
    const std::string words = Words(heading, false);
    for (const Spelling &spelling : kSpellings) {
        if (words == spelling.written)
            return { std::string(spelling.name), words, Words(unit, true) };
    }
    return { words, words, Words(unit, true) };
}

std::string_view Quantity(std::string_view name)
{
    if (name == "load" || name == "truck")
        return "load";
    if (name == "area")
        return "area";
    return name == "depth" || name == "width" ? "side" : "";
}

// The unit of a heading, checked against the option and the units in
// force; for a side, the unit its numbers take. InputError where it does not fit.
std::string CheckedUnit(std::string_view cell, std::string_view name, const std::string &unit,
    rules::Units units)
{
    const std::string_view quantity = Quantity(name);
    const bool imperial = units == rules::Units::Imperial;
    const std::string known = quantity == "load" ? (imperial ? "lb" : "kg")
        : quantity == "area"                      ? (imperial ? "sq ft" : "sq m")
                                                  : (imperial ? "ft or in" : "m or mm");
    const std::string heading = "the column '" + std::string(Trimmed(cell)) + "'";
    if (quantity.empty())
        throw InputError(heading + " takes no unit");
    for (const HeadingUnit &heading_unit : kHeadingUnits) {
        if (heading_unit.written != unit || heading_unit.quantity != quantity)
            continue;
        if (heading_unit.units != units)
            throw InputError(heading + " is in " + unit + (imperial ? "; without" : "; with")
                + " --metric, " + std::string(quantity) + "s are in " + known);
        return std::string(heading_unit.side);
    }
    throw InputError(heading + ": unknown unit '" + unit + "'; " + std::string(quantity)
        + "s are in " + known);
}

// The options of a command that a line of a batch may give.
std::vector<std::string_view> PerCarOptions(const Command &command)
{
    std::vector<std::string_view> names;
    for (std::string_view name : command.OptionNames()) {
        if (OptionNamed(name)->perCar)
            names.push_back(name);
    }
    return names;
}

std::string Allowed(const Command &command)
{
    std::string list(kIdColumn);
    for (std::string_view name : PerCarOptions(command))
        list += ", " + std::string(name);
    return list;
}

// The figures (area, load) are answered in columns of their own; the other
// options given are written back beside the answers.
bool IsEchoed(std::string_view name)
{
    return name != "area" && name != "load";
}

// The columns of the header: known options and the id, then those carried
// through unchanged; an empty header cell is ignored. InputError for a
// column named twice, one that would stand twice in the answers, and a unit
// that does not fit.
std::vector<HeaderColumn> HeaderColumns(const Command &command,
    const std::vector<std::string> &cells, const std::vector<Column> &answers, rules::Units units)
{
    const auto options = PerCarOptions(command);
    // "Car" is the id where no column is called "id".
    const bool idNamed = std::any_of(cells.begin(), cells.end(),
        [](const std::string &cell) { return HeadingOf(cell).words == kIdColumn; });
    std::vector<HeaderColumn> columns;
    std::vector<std::string> seen;
    for (const std::string &cell : cells) {
        HeaderColumn column;
        const auto [name, words, unit] = HeadingOf(cell);
        if (Trimmed(cell).empty()) {
            columns.push_back(column);
            continue;
        }
        const bool known = (name == kIdColumn && (words == kIdColumn || !idNamed))
            || std::find(options.begin(), options.end(), name) != options.end();
        if (known) {
            column = { name == kIdColumn ? HeaderColumn::Role::Id : HeaderColumn::Role::Option,
                name, {} };
            if (!unit.empty())
                column.unit = CheckedUnit(cell, name, unit, units);
        } else {
            column = { HeaderColumn::Role::Carried, std::string(Trimmed(cell)), {} };
            const std::string &key = column.name;
            if (key == "line"
                || std::any_of(answers.begin(), answers.end(),
                    [&key](const Column &answer) { return answer.key == key; }))
                throw InputError("the column '" + key
                    + "' is one of the answers; rename it to carry it through");
        }
        const std::string key = column.role == HeaderColumn::Role::Carried ? column.name : name;
        if (std::find(seen.begin(), seen.end(), key) != seen.end())
            throw InputError("the column '" + key + "' is named twice");
        seen.push_back(key);
        columns.push_back(column);
    }
    return columns;
}

// Every line needs what no column gives and no option gives for all:
// refused once, at the header, rather than on every line. InputError.
void CheckNeeded(const Command &command, const std::vector<HeaderColumn> &header,
    const std::vector<std::string> &cells, const Options &defaults)
{
    const auto options = PerCarOptions(command);
    auto takes = [&](std::string_view name) {
        return std::find(options.begin(), options.end(), name) != options.end();
    };
    auto given = [&](std::string_view name) {
        const bool column = std::any_of(header.begin(), header.end(), [&](const HeaderColumn &c) {
            return c.role == HeaderColumn::Role::Option && c.name == name;
        });
        return column || TextOf(defaults, name)->has_value();
    };
    std::string missing;
    std::string option;
    if (takes("load") && !given("load")) {
        missing = "the rated load";
        option = "--load";
    } else if (takes("area") && !given("area") && !given("depth") && !given("width")) {
        missing = "the platform";
        option = "--area, or --depth and --width,";
    } else if (takes("area") && !given("area") && given("depth") != given("width")) {
        missing = given("depth") ? "the width of the platform" : "the depth of the platform";
        option = given("depth") ? "--width" : "--depth";
    }
    if (missing.empty())
        return;
    std::string read;
    for (const std::string &cell : cells)
        read += (read.empty() ? "'" : ", '") + std::string(Trimmed(cell)) + "'";
    throw InputError("no column gives " + missing + " (or give " + option
        + " for every line): the header reads " + read + "; the columns known are "
        + Allowed(command) + ", in any case, such as 'Rated load', and with a unit, such as "
        + "'Load (lb)'");
}

// Digits grouped by points in threes, such as 2.500 or 1.000.000.
bool GroupedInThousands(std::string_view text)
{
    const std::size_t first = text.find('.');
    if (first == 0 || first > 3 || first == std::string_view::npos || (text.size() - first) % 4)
        return false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool point = at >= first && (at - first) % 4 == 0;
        if (point ? text[at] != '.' : !IsDigit(text[at]))
            return false;
    }
    return true;
}

// A cell as the text of its option: in a file separated by semicolons a
// number may have a decimal comma, as spreadsheets there write it; a side
// written as a bare number takes the unit of its heading. InputError for a
// number that may have points between thousands.
std::string CellText(const HeaderColumn &column, std::string_view cell, bool decimalComma)
{
    std::string text(Trimmed(cell));
    const std::string_view quantity = Quantity(column.name);
    if (decimalComma && !quantity.empty()) {
        if (text.find('.') == std::string::npos)
            std::replace(text.begin(), text.end(), ',', '.');
        else if (quantity != "side" && GroupedInThousands(text))
            Refuse(column.name,
                "'" + text + "' may have points between thousands, or be a decimal; in a file "
                    "separated by semicolons write it without the points, or with a decimal comma");
    }
    const bool bare = !column.unit.empty() && !text.empty()
        && text.find_first_not_of("0123456789.") == std::string::npos;
    return bare ? text + column.unit : text;
}

bool AllEmpty(const std::vector<std::string> &cells)
{
    return std::all_of(
        cells.begin(), cells.end(), [](const std::string &cell) { return Trimmed(cell).empty(); });
}

// Where the cars come from: standard input, or the file named after --batch.
struct Input {
    std::ifstream file;
    std::istream *stream = nullptr;
    std::string error;
};

void Open(Input &input, const Request &request, const Streams &streams)
{
    if (request.batchFile.empty() || request.batchFile == "-") {
        if (streams.inputIsTerminal)
            input.error = "--batch reads CSV lines from standard input; redirect a file or a "
                          "pipe to it, or name the file after --batch";
        input.stream = &streams.in;
        return;
    }
    std::error_code ec;
    if (std::filesystem::is_directory(request.batchFile, ec)) {
        input.error = "--batch: '" + request.batchFile + "' is a folder, not a CSV file";
        return;
    }
    input.file.open(request.batchFile, std::ios::binary);
    if (!input.file) {
        input.error = "--batch: cannot read '" + request.batchFile + "': " + std::strerror(errno);
        return;
    }
    input.stream = &input.file;
}

// Lines answered together, and chunks answered ahead of the one written.
constexpr std::size_t kChunk = 512;
constexpr std::size_t kChunksAhead = 4;
// Rows of a text table aligned together.
constexpr std::size_t kTextBlock = 1000;

// Threads that answer chunks of lines for as long as the batch runs; kept,
// so that each keeps its memory warm rather than a new one starting per chunk.
template <class Result> class Workers {
public:
    Workers()
    {
        const unsigned count = std::max(1u, std::thread::hardware_concurrency());
        for (unsigned i = 0; i < count; ++i)
            threads_.emplace_back([this] { Work(); });
    }
    ~Workers()
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        for (std::thread &thread : threads_)
            thread.join();
    }
    Workers(const Workers &) = delete;
    Workers &operator=(const Workers &) = delete;

    void Take(std::packaged_task<Result()> task)
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            tasks_.push_back(std::move(task));
        }
        wake_.notify_one();
    }

private:
    void Work()
    {
        while (true) {
            std::packaged_task<Result()> task;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
                if (tasks_.empty())
                    return;
                task = std::move(tasks_.front());
                tasks_.pop_front();
            }
            task();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::packaged_task<Result()>> tasks_;
    std::vector<std::thread> threads_;
    bool stopping_ = false;
};

// What a batch knows of its columns, the same for every line.
struct Plan {
    const CarCommand &command;
    rules::Units units;
    const Options &defaults;
    Layout layout;
    std::vector<HeaderColumn> header;
    std::vector<std::size_t> echoed;
    std::vector<std::size_t> carried;
    bool hooked; // each answer goes on to a hook too (a sheet per car)
    bool decimalComma; // a file separated by semicolons
};

// What became of one line: no car (an empty row), an error to say, or an
// answer, and for a hook what it was answered for.
struct Outcome {
    bool skipped = false;
    std::string error;
    Row row;
    int status = kSuccess;
    long long line = 0;
    std::optional<std::string> id;
    std::optional<Options> options;
    std::size_t answerFirst = 0; // where the command's own answer starts in the row
};

Outcome AnswerLine(const Plan &plan, const CsvReader::Record &record)
{
    Outcome outcome;
    const std::string where = "line " + std::to_string(record.line);
    if (!record.error.empty()
        || (record.cells.size() != plan.header.size() && !AllEmpty(record.cells))) {
        outcome.error = where + ": "
            + (record.error.empty() ? std::to_string(record.cells.size())
                        + " cells where the header names " + std::to_string(plan.header.size())
                                    : record.error);
        outcome.status = kBadInput;
        return outcome;
    }
    if (AllEmpty(record.cells)) {
        outcome.skipped = true;
        return outcome;
    }
    Options options = plan.defaults;
    try {
        for (std::size_t i = 0; i < plan.header.size(); ++i) {
            const HeaderColumn &column = plan.header[i];
            if (column.role == HeaderColumn::Role::Option && !Trimmed(record.cells[i]).empty())
                *TextOf(options, column.name)
                    = CellText(column, record.cells[i], plan.decimalComma);
        }
    } catch (const Failure &failure) {
        outcome.error = ReportLine(where, failure, options);
        outcome.status = kBadInput;
        return outcome;
    }
    Answer answer = plan.command.Calculate(plan.units, options, plan.layout);
    if (answer.failure) {
        outcome.error = ReportLine(where, *answer.failure, options);
        outcome.status = kBadInput;
        return outcome;
    }
    outcome.status = answer.status;
    outcome.line = record.line;
    Row &row = outcome.row;
    row.reserve(1 + plan.echoed.size() + answer.row.size() + plan.carried.size());
    row.emplace_back(std::to_string(record.line));
    for (std::size_t i : plan.echoed) {
        const HeaderColumn &column = plan.header[i];
        if (column.role == HeaderColumn::Role::Id) {
            row.emplace_back(record.cells[i]);
            outcome.id = record.cells[i];
            continue;
        }
        const std::optional<std::string> &given = *TextOf(options, column.name);
        row.push_back(column.name == "truck" && given ? std::optional(AsWritten(*given)) : given);
    }
    outcome.answerFirst = row.size();
    if (plan.hooked)
        outcome.options = std::move(options);
    for (std::optional<std::string> &value : answer.row)
        row.push_back(std::move(value));
    for (std::size_t i : plan.carried)
        row.emplace_back(record.cells[i]);
    return outcome;
}

void SayNotice(CsvReader &reader, const Streams &streams)
{
    if (const std::string notice = reader.TakeNotice(); !notice.empty())
        Say(streams.err, notice);
}

} // namespace

int RunBatch(const CarCommand &command, const Request &request, const Streams &streams,
    const AnswerHook &hook)
{
    Input input;
    Open(input, request, streams);
    if (!input.error.empty()) {
        Say(streams.err, input.error);
        return kBadInput;
    }
    const rules::Units units = request.units;
    const Options &defaults = request.options;
    CsvReader reader(*input.stream);
    CsvReader::Record record;
    std::vector<HeaderColumn> header;
    std::vector<std::string> names;
    try {
        const bool any = reader.Next(record);
        SayNotice(reader, streams);
        if (!any) {
            Say(streams.err,
                "line 1: no header; the first line names the columns, from " + Allowed(command)
                    + ", and any others, which are carried through");
            return kBadInput;
        }
        if (!record.error.empty())
            throw InputError(record.error);
        for (const std::string &cell : record.cells)
            names.push_back(HeadingOf(cell).name);
        header = HeaderColumns(command, record.cells,
            command.Columns(units, command.LayoutFor(defaults, names)), units);
        CheckNeeded(command, header, record.cells, defaults);
    } catch (const InputError &error) {
        Say(streams.err,
            "line " + std::to_string(std::max(record.line, 1LL)) + ": " + error.what());
        return kBadInput;
    }

    // line, the id and the options given, the answers, the columns carried.
    const Layout layout = command.LayoutFor(defaults, names);
    std::vector<Column> columns { Column { "line", "Line", "Line", "", Kind::Number } };
    std::vector<std::size_t> echoed;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const HeaderColumn &column = header[i];
        if (column.role == HeaderColumn::Role::Id
            || (column.role == HeaderColumn::Role::Option && IsEchoed(column.name))) {
            const std::string title = Capitalised(column.name);
            columns.push_back(Column { column.name, title, title, "",
                column.name == "truck" ? Kind::Number : Kind::Word });
            echoed.push_back(i);
        }
    }
    const std::vector<Column> answerColumns = command.Columns(units, layout);
    columns.insert(columns.end(), answerColumns.begin(), answerColumns.end());
    std::vector<std::size_t> carried;
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i].role == HeaderColumn::Role::Carried) {
            columns.push_back(
                Column { header[i].name, header[i].name, header[i].name, "", Kind::Word });
            carried.push_back(i);
        }
    }

    const Plan plan { command, units, defaults, layout, header, echoed, carried, bool(hook),
        reader.Separator() == ';' };
    RecordWriter writer(streams.out, request.format, columns, false, kTextBlock);
    int status = kSuccess;
    // Lines are answered a chunk at a time on other threads; the answers and
    // errors are written here, in the order of the lines. A chunk goes off
    // when it is full, or when the input has nothing more for now, so that
    // lines fed one by one are answered one by one.
    std::deque<std::future<std::vector<Outcome>>> answering;
    Workers<std::vector<Outcome>> workers;
    auto writeFirst = [&] {
        const std::vector<Outcome> outcomes = answering.front().get();
        answering.pop_front();
        for (const Outcome &outcome : outcomes) {
            if (writer.Failed())
                return;
            if (outcome.skipped)
                continue;
            status = WorseStatus(status, outcome.status);
            if (!outcome.error.empty()) {
                streams.out.flush();
                Say(streams.err, outcome.error);
                continue;
            }
            writer.Write(outcome.row);
            if (!hook)
                continue;
            // Sheets are painted here, one at a time, in the order of the lines.
            const auto first
                = outcome.row.begin() + static_cast<std::ptrdiff_t>(outcome.answerFirst);
            const Row answer(first, first + static_cast<std::ptrdiff_t>(answerColumns.size()));
            try {
                hook({ units, *outcome.options, answerColumns, answer, outcome.line, outcome.id });
            } catch (const Failure &failure) {
                streams.out.flush();
                Report(
                    streams.err, "line " + std::to_string(outcome.line), failure, *outcome.options);
                status = WorseStatus(status, kBadInput);
            }
        }
    };
    std::vector<CsvReader::Record> chunk;
    bool more = true;
    while (more && !writer.Failed()) {
        more = reader.Next(record);
        SayNotice(reader, streams);
        if (more)
            chunk.push_back(std::move(record));
        const bool waiting = !more || reader.WouldWait();
        if (chunk.size() >= kChunk || (waiting && !chunk.empty())) {
            std::packaged_task<std::vector<Outcome>()> task([&plan, lines = std::move(chunk)] {
                std::vector<Outcome> outcomes;
                outcomes.reserve(lines.size());
                for (const CsvReader::Record &line : lines)
                    outcomes.push_back(AnswerLine(plan, line));
                return outcomes;
            });
            answering.push_back(task.get_future());
            // With nothing else to do meanwhile, a chunk is answered here.
            if (waiting && answering.size() == 1)
                task();
            else
                workers.Take(std::move(task));
            chunk.clear();
        }
        while (answering.size() > kChunksAhead || (waiting && !answering.empty()))
            writeFirst();
    }
    while (!answering.empty())
        writeFirst();
    writer.Finish();
    return status;
}

} // namespace ratedload::cli
