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
};

std::string ColumnName(std::string_view cell)
{
    std::string name = Lower(Trimmed(cell));
    if (name.rfind("--", 0) == 0)
        name.erase(0, 2);
    return name;
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
// column named twice or one that would stand twice in the answers.
std::vector<HeaderColumn> HeaderColumns(const Command &command,
    const std::vector<std::string> &cells, const std::vector<Column> &answers)
{
    const auto options = PerCarOptions(command);
    std::vector<HeaderColumn> columns;
    std::vector<std::string> seen;
    for (const std::string &cell : cells) {
        HeaderColumn column;
        const std::string name = ColumnName(cell);
        if (name.empty()) {
            columns.push_back(column);
            continue;
        }
        if (name == kIdColumn) {
            column = { HeaderColumn::Role::Id, name };
        } else if (std::find(options.begin(), options.end(), name) != options.end()) {
            column = { HeaderColumn::Role::Option, name };
        } else {
            column = { HeaderColumn::Role::Carried, std::string(Trimmed(cell)) };
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
    for (std::size_t i = 0; i < plan.header.size(); ++i) {
        if (plan.header[i].role == HeaderColumn::Role::Option && !Trimmed(record.cells[i]).empty())
            *TextOf(options, plan.header[i].name) = record.cells[i];
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
        if (!reader.Next(record)) {
            Say(streams.err,
                "line 1: no header; the first line names the columns, from " + Allowed(command)
                    + ", and any others, which are carried through");
            return kBadInput;
        }
        if (!record.error.empty())
            throw InputError(record.error);
        for (const std::string &cell : record.cells)
            names.push_back(ColumnName(cell));
        header = HeaderColumns(
            command, record.cells, command.Columns(units, command.LayoutFor(defaults, names)));
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

    const Plan plan { command, units, defaults, layout, header, echoed, carried, bool(hook) };
    RecordWriter writer(streams.out, request.format, columns, false);
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
