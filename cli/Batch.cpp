// SPDX-License-Identifier: MIT
#include "cli/Batch.h"

#include "cli/Csv.h"

#include "answers/Batch.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <future>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

namespace ratedload::cli {

namespace {

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

// What became of one line, as the batch writes it: an answer's record in
// the format of the output (its row for text, whose columns are aligned
// here), or the line that says why there is none.
struct Outcome {
    long long line = 0;
    answers::LineAnswer answer;
    std::string record;
    std::string error; // the whole line said on standard error
};

// How the lines of a chunk are answered, on another thread.
struct Answering {
    const answers::Batch &batch;
    answers::Format format;
    char separator;
    bool hooked; // each answer goes on to a hook too (a sheet per car)
};

void SayNotice(CsvReader &reader, const Streams &streams)
{
    if (const std::string notice = reader.TakeNotice(); !notice.empty())
        Say(streams.err, notice);
}

Outcome AnswerLine(const Answering &answering, const CsvRecord &record)
{
    Outcome outcome;
    outcome.line = record.line;
    const std::string where = "line " + std::to_string(record.line);
    if (!record.error.empty()) {
        outcome.error = where + ": " + record.error;
        return outcome;
    }
    outcome.answer = answering.batch.Answer(record.line, record.cells);
    if (outcome.answer.refusal) {
        outcome.error = ReportLine(where, *outcome.answer.refusal, outcome.answer.entries);
    } else if (answering.format != answers::Format::Text) {
        outcome.record.reserve(256);
        answers::AppendRecord(
            outcome.record, answering.format, answering.batch.Columns(), outcome.answer.row);
        if (!answering.hooked)
            outcome.answer.row.clear();
    }
    return outcome;
}

std::vector<Outcome> AnswerChunk(const Answering &answering, const std::vector<CsvLines> &chunk)
{
    CsvParser parser(answering.separator);
    std::vector<CsvRecord> records;
    std::vector<Outcome> outcomes;
    outcomes.reserve(chunk.size());
    for (const CsvLines &lines : chunk) {
        records.clear();
        parser.Parse(lines, records);
        for (const CsvRecord &record : records)
            outcomes.push_back(AnswerLine(answering, record));
    }
    return outcomes;
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
    const answers::Question &question = command.Asks();
    CsvReader reader(*input.stream);
    CsvRecord record;
    std::optional<answers::Batch> batch;
    try {
        const bool any = reader.Next(record);
        SayNotice(reader, streams);
        if (!any) {
            Say(streams.err,
                "line 1: no header; the first line names the columns, from "
                    + answers::KnownColumns(question) + ", and any others, which are carried "
                    + "through");
            return kBadInput;
        }
        if (!record.error.empty())
            answers::Refuse("", record.error);
        batch.emplace(question, request.entries, record.cells, reader.Separator() == ';');
    } catch (const answers::Refusal &refusal) {
        Report(streams.err, "line " + std::to_string(std::max(record.line, 1LL)), refusal,
            request.entries);
        return kBadInput;
    }

    const std::vector<answers::Column> &answerColumns = batch->AnswerColumns();
    answers::RecordWriter writer(request.format, batch->Columns(), false, kTextBlock);
    std::string text;
    int status = kSuccess;
    auto failed = [&] { return !streams.out; };
    // A line that gets no answer is said after the answers of those before it.
    auto sayFailure = [&](const std::string &said) {
        WriteOut(streams.out, text);
        Say(streams.err, said);
        status = WorseStatus(status, kBadInput);
    };
    // Lines are answered a chunk at a time on other threads; the answers and
    // errors are written here, in the order of the lines. A chunk goes off
    // when it is full, or when the input has nothing more for now, so that
    // lines fed one by one are answered one by one.
    std::deque<std::future<std::vector<Outcome>>> pending;
    Workers<std::vector<Outcome>> workers;
    auto writeFirst = [&] {
        const std::vector<Outcome> outcomes = pending.front().get();
        pending.pop_front();
        for (const Outcome &outcome : outcomes) {
            if (failed())
                return;
            if (outcome.answer.skipped)
                continue;
            if (!outcome.error.empty()) {
                sayFailure(outcome.error);
                continue;
            }
            const answers::LineAnswer &line = outcome.answer;
            status = WorseStatus(status, StatusOf({ {}, line.verdict, line.point }));
            if (request.format == answers::Format::Text)
                writer.Write(line.row, text);
            else
                writer.Put(outcome.record, text);
            if (!hook)
                continue;
            // Sheets are painted here, one at a time, in the order of the lines.
            const auto first = line.row.begin() + static_cast<std::ptrdiff_t>(line.answerFirst);
            const answers::Answer answer {
                answers::Row(first, first + static_cast<std::ptrdiff_t>(answerColumns.size())),
                line.verdict, line.point
            };
            try {
                hook({ question, line.entries, answerColumns, answer, outcome.line, line.id });
            } catch (const answers::Refusal &refusal) {
                sayFailure(
                    ReportLine("line " + std::to_string(outcome.line), refusal, line.entries));
            }
        }
        streams.out << text;
        text.clear();
    };
    const Answering answering { *batch, request.format, reader.Separator(), bool(hook) };
    std::vector<CsvLines> chunk;
    CsvLines lines;
    bool more = true;
    while (more && !failed()) {
        more = reader.NextLines(lines);
        SayNotice(reader, streams);
        if (more)
            chunk.push_back(std::move(lines));
        const bool waiting = !more || reader.WouldWait();
        if (chunk.size() >= kChunk || (waiting && !chunk.empty())) {
            std::packaged_task<std::vector<Outcome>()> task(
                [&answering, chunk = std::move(chunk)] { return AnswerChunk(answering, chunk); });
            pending.push_back(task.get_future());
            // With nothing else to do meanwhile, a chunk is answered here.
            if (waiting && pending.size() == 1)
                task();
            else
                workers.Take(std::move(task));
            chunk.clear();
        }
        while (pending.size() > kChunksAhead || (waiting && !pending.empty()))
            writeFirst();
    }
    while (!pending.empty())
        writeFirst();
    writer.Finish(text);
    streams.out << text;
    return status;
}

} // namespace ratedload::cli
