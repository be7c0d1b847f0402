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
#include <memory>
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

// The records of a chunk of lines, as the reader found them: their lines
// one after another, and where each record ends.
struct Lines {
    struct Record {
        long long line = 0;
        std::size_t end = 0;
        std::string error; // why the lines are no record
    };
    std::string text;
    std::vector<Record> records;

    void Add(const CsvLines &lines)
    {
        text += lines.text;
        records.push_back({ lines.line, text.size(), lines.error });
    }
};

// What became of one line, as the batch writes it: where its record ends in
// the chunk's records (csv and json), or the line that says why there is
// none. The answer itself is kept only where the text table or a hook needs it.
struct Outcome {
    long long line = 0;
    bool skipped = false; // an all-empty line
    int status = kSuccess; // of the verdict
    std::size_t recordEnd = 0;
    std::string error; // the whole line said on standard error
    std::unique_ptr<answers::LineAnswer> kept;
};

// What became of the lines of a chunk: the records of its answers one
// after another, in the format of the output, and each line's outcome. Made
// whole on the thread that answers the chunk, so that the thread that
// writes it frees one block rather than the pieces of every answer.
struct AnsweredLines {
    std::string records;
    std::vector<Outcome> outcomes;
};

// Buffers for the records of chunks, handed back once written: the records
// of a chunk go into memory already in use, rather than into pages mapped
// afresh for a block that size and unmapped again after it.
class Buffers {
public:
    std::string Take()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (free_.empty())
            return {};
        std::string buffer = std::move(free_.back());
        free_.pop_back();
        return buffer;
    }
    void Give(std::string buffer)
    {
        buffer.clear();
        const std::lock_guard<std::mutex> lock(mutex_);
        free_.push_back(std::move(buffer));
    }

private:
    std::mutex mutex_;
    std::vector<std::string> free_;
};

// How the lines of a chunk are answered, on another thread.
struct Answering {
    const answers::Batch &batch;
    answers::Format format;
    char separator;
    bool hooked; // each answer goes on to a hook too (a sheet per car)
    Buffers &buffers;
};

void SayNotice(CsvReader &reader, const Streams &streams)
{
    if (const std::string notice = reader.TakeNotice(); !notice.empty())
        Say(streams.err, notice);
}

Outcome AnswerLine(const Answering &answering, const CsvRecord &record, std::string &records)
{
    Outcome outcome;
    outcome.line = record.line;
    if (!record.error.empty()) {
        outcome.error = "line " + std::to_string(record.line) + ": " + record.error;
    } else if (answers::LineAnswer answer = answering.batch.Answer(record.line, record.cells);
               answer.refusal) {
        outcome.error
            = ReportLine("line " + std::to_string(record.line), *answer.refusal, answer.entries);
    } else {
        outcome.skipped = answer.skipped;
        outcome.status = StatusOf({ {}, answer.verdict, answer.point });
        if (answering.format != answers::Format::Text && !answer.skipped)
            answers::AppendRecord(records, answering.format, answering.batch.Columns(), answer.row);
        if (answering.format == answers::Format::Text || answering.hooked)
            outcome.kept = std::make_unique<answers::LineAnswer>(std::move(answer));
    }
    outcome.recordEnd = records.size();
    return outcome;
}

AnsweredLines AnswerChunk(const Answering &answering, const Lines &chunk)
{
    CsvParser parser(answering.separator);
    std::vector<CsvRecord> records;
    AnsweredLines answered;
    answered.records = answering.buffers.Take();
    answered.outcomes.reserve(chunk.records.size());
    std::size_t start = 0;
    for (const Lines::Record &lines : chunk.records) {
        records.clear();
        if (lines.error.empty())
            parser.Parse(lines.line,
                std::string_view(chunk.text).substr(start, lines.end - start), records);
        else
            records.push_back({ lines.line, {}, lines.error });
        start = lines.end;
        for (const CsvRecord &record : records)
            answered.outcomes.push_back(AnswerLine(answering, record, answered.records));
    }
    return answered;
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
    Buffers buffers;
    std::deque<std::future<AnsweredLines>> pending;
    Workers<AnsweredLines> workers;
    // Records of csv and jsonl go out as the workers wrote them, a run of
    // lines at a time, rather than copied into the text first.
    const bool asWritten = !hook
        && (request.format == answers::Format::Csv || request.format == answers::Format::Jsonl);
    auto writeFirst = [&] {
        AnsweredLines answered = pending.front().get();
        pending.pop_front();
        std::size_t recordStart = 0;
        std::size_t runStart = 0;
        auto writeRun = [&](std::size_t runEnd) {
            streams.out << text;
            text.clear();
            streams.out.write(answered.records.data() + runStart,
                static_cast<std::streamsize>(runEnd - runStart));
            runStart = runEnd;
        };
        for (const Outcome &outcome : answered.outcomes) {
            if (failed())
                return;
            const std::string_view record
                = std::string_view(answered.records)
                      .substr(recordStart, outcome.recordEnd - recordStart);
            if (outcome.skipped) {
                recordStart = outcome.recordEnd;
                continue;
            }
            if (!outcome.error.empty()) {
                if (asWritten)
                    writeRun(recordStart);
                recordStart = outcome.recordEnd;
                sayFailure(outcome.error);
                continue;
            }
            recordStart = outcome.recordEnd;
            status = WorseStatus(status, outcome.status);
            // The text table and a hook have the answer kept whole.
            if (request.format == answers::Format::Text)
                writer.Write(outcome.kept->row, text);
            else
                writer.Put(asWritten ? std::string_view() : record, text);
            if (!hook)
                continue;
            const answers::LineAnswer &line = *outcome.kept;
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
        if (asWritten)
            writeRun(answered.records.size());
        streams.out << text;
        text.clear();
        buffers.Give(std::move(answered.records));
    };
    const Answering answering { *batch, request.format, reader.Separator(), bool(hook), buffers };
    Lines chunk;
    CsvLines lines;
    bool more = true;
    while (more && !failed()) {
        more = reader.NextLines(lines);
        SayNotice(reader, streams);
        if (more)
            chunk.Add(lines);
        const bool waiting = !more || reader.WouldWait();
        if (chunk.records.size() >= kChunk || (waiting && !chunk.records.empty())) {
            // The next chunk is likely the size of this one: room is made once.
            const std::size_t size = chunk.text.size();
            const std::size_t records = chunk.records.size();
            std::packaged_task<AnsweredLines()> task(
                [&answering, chunk = std::move(chunk)] { return AnswerChunk(answering, chunk); });
            pending.push_back(task.get_future());
            // With nothing else to do meanwhile, a chunk is answered here.
            if (waiting && pending.size() == 1)
                task();
            else
                workers.Take(std::move(task));
            chunk = {};
            chunk.text.reserve(size);
            chunk.records.reserve(records);
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
