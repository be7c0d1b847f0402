// SPDX-License-Identifier: MIT
#include "cli/Csv.h"

#include "answers/Refusal.h"
#include "answers/Text.h"

#include <csv.h>

#include <algorithm>
#include <sstream>
#include <utility>

namespace ratedload::cli {

namespace {

// No line of a spreadsheet's export, and no quoted cell, comes near this; a
// quote left open in a large file would otherwise swallow the rest of it.
constexpr std::size_t kLongestRecord = 1024 * 1024;
constexpr unsigned char kOptions = CSV_STRICT | CSV_STRICT_FINI;

const char *const kNotClosed = "the quote that opens a cell on this line is not closed";

bool BlankLine(std::string_view text)
{
    return text.find_first_not_of(" \t\r") == std::string_view::npos;
}

// Where a line leaves the cells of a record, as RFC 4180 has them: a quote
// opens a quoted cell only where the cell begins; inside it, "" is a quote
// and a quote alone closes it. What breaks the rules (a quote inside a plain
// cell, text after a closing quote) is for libcsv to say; it opens nothing.
enum class Scan { CellStart, Plain, Quoted, QuoteSeen, AfterQuote };

struct LineScan {
    bool crAlone = false; // a CR not at the end of the line, outside quotes
    bool continues = false; // the line ends inside a quoted cell
};

LineScan ScanLine(std::string_view text, char separator, bool quoted)
{
    LineScan scan;
    // Most lines hold no quote, and no CR but the one that ends them.
    const std::size_t cr = text.find('\r');
    if (!quoted && text.find('"') == std::string_view::npos
        && (cr == std::string_view::npos || cr + 1 == text.size()))
        return scan;
    Scan state = quoted ? Scan::Quoted : Scan::CellStart;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && state != Scan::Quoted && i + 1 < text.size())
            scan.crAlone = true;
        switch (state) {
        case Scan::CellStart:
            state = c == '"' ? Scan::Quoted
                : c == separator || c == ' ' || c == '\t' ? Scan::CellStart
                                                           : Scan::Plain;
            break;
        case Scan::Plain:
        case Scan::AfterQuote:
            if (c == separator)
                state = Scan::CellStart;
            break;
        case Scan::Quoted:
            if (c == '"')
                state = Scan::QuoteSeen;
            break;
        case Scan::QuoteSeen:
            state = c == '"' ? Scan::Quoted
                : c == separator ? Scan::CellStart
                                 : Scan::AfterQuote;
            break;
        }
    }
    scan.continues = state == Scan::Quoted;
    return scan;
}

// The separator that a spreadsheet's "sep=X" line names, or 0.
char NamedSeparator(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.size() >= 2 && line.front() == '"' && line.back() == '"')
        line = line.substr(1, line.size() - 2);
    if (line.size() < 5 || (line.substr(0, 4) != "sep=" && line.substr(0, 4) != "SEP="))
        return 0;
    const std::string_view separator = line.substr(4);
    if (separator == "\\t")
        return '\t';
    return separator.size() == 1 && std::string_view(",;\t|").find(separator[0]) != std::string_view::npos
        ? separator[0]
        : 0;
}

// The lines of one record, gathered a line at a time: a quoted cell may go
// on over line breaks. Why they are no record, where they are none.
class Gathering {
public:
    enum class Step { More, Record, Failed };

    // The lines go into `room`, emptied first.
    explicit Gathering(char separator, std::string room = {})
        : separator_(separator)
        , text_(std::move(room))
    {
        text_.clear();
    }

    // Starts on the lines of another record, keeping the room taken.
    void Restart(char separator)
    {
        separator_ = separator;
        quoted_ = false;
        text_.clear();
        error_.clear();
    }

    // Adds the next line, without its LF.
    Step Add(std::string_view line)
    {
        if (line.size() > kLongestRecord)
            return Fail("a line longer than " + std::to_string(kLongestRecord) + " bytes");
        const LineScan scan = ScanLine(line, separator_, quoted_);
        // A CR alone would end the record there, and the rest of the line
        // would pass for a car of the same line.
        if (scan.crAlone)
            return Fail("a CR alone inside the line, outside quotes; the lines of CSV end with LF "
                        "or CR LF");
        text_.reserve(text_.size() + line.size() + 1);
        text_.append(line);
        text_ += '\n';
        quoted_ = scan.continues;
        if (!quoted_)
            return Step::Record;
        if (text_.size() > kLongestRecord)
            return Fail(kNotClosed);
        return Step::More;
    }

    // The lines so far, with an LF after each.
    std::string TakeText() { return std::exchange(text_, {}); }
    const std::string &Error() const { return error_; }

private:
    Step Fail(std::string error)
    {
        error_ = std::move(error);
        return Step::Failed;
    }

    char separator_;
    bool quoted_ = false;
    std::string text_;
    std::string error_;
};

// The cells of a record of one line without quotes, as libcsv reads them:
// split at the separator, blanks and tabs around each cell dropped.
std::vector<std::string> PlainCells(std::string_view text, char separator)
{
    text.remove_suffix(1); // the LF
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), separator)) + 1);
    while (true) {
        const std::size_t end = std::min(text.find(separator), text.size());
        cells.emplace_back(answers::Trimmed(text.substr(0, end)));
        if (end == text.size())
            return cells;
        text.remove_prefix(end + 1);
    }
}

} // namespace

struct CsvParser::State {
    csv_parser csv {};
    char separator = ',';
    std::vector<std::string> cells;
    bool ended = false;

    explicit State(char c)
        : separator(c)
    {
        Reset();
    }
    ~State() { csv_free(&csv); }

    void Reset()
    {
        csv_free(&csv);
        csv_init(&csv, kOptions);
        csv_set_delim(&csv, separator);
        cells.clear();
        ended = false;
    }

    static void Cell(void *text, std::size_t size, void *data)
    {
        auto *state = static_cast<State *>(data);
        state->cells.emplace_back(text ? static_cast<const char *>(text) : "", text ? size : 0);
    }

    static void End(int, void *data)
    {
        static_cast<State *>(data)->ended = true;
    }

    bool InQuotes() const { return csv.quoted != 0; }
};

CsvParser::CsvParser(char separator)
    : state_(std::make_unique<State>(separator))
{
}

CsvParser::~CsvParser() = default;

void CsvParser::Parse(const CsvLines &lines, std::vector<CsvRecord> &records)
{
    if (!lines.error.empty())
        records.push_back({ lines.line, {}, lines.error });
    else
        Parse(lines.line, lines.text, records);
}

void CsvParser::Parse(long long line, std::string_view text, std::vector<CsvRecord> &records)
{
    State &state = *state_;
    // A line without quotes needs no parser; a tab, a blank to libcsv, is
    // left to it as a separator.
    if (state.separator != '\t' && !text.empty() && text.find('"') == std::string_view::npos
        && text.find('\n') == text.size() - 1) {
        records.push_back({ line, PlainCells(text, state.separator), {} });
        return;
    }
    const std::size_t read
        = csv_parse(&state.csv, text.data(), text.size(), State::Cell, State::End, &state);
    if (read == text.size() && state.ended) {
        const std::size_t count = state.cells.size();
        records.push_back({ line, std::move(state.cells), {} });
        state.cells.clear();
        state.cells.reserve(count);
        state.ended = false;
        return;
    }
    // Said for the first line; the line and column where it failed.
    const std::size_t lineStart = read == 0 ? 0 : text.rfind('\n', read - 1) + 1;
    const long long failed = line + std::count(text.begin(), text.begin() + lineStart, '\n');
    const std::string column = (failed == line ? std::string()
                                                     : "line " + std::to_string(failed) + ", ")
        + "column " + std::to_string(read - lineStart + 1);
    std::string error = read == text.size() ? kNotClosed
        : state.InQuotes() ? "text after the closing quote of a cell, at " + column
                           : "a quote inside a cell that does not begin with one, at " + column
                + " (write the cell in quotes, with \"\" for each quote in it)";
    records.push_back({ line, {}, std::move(error) });
    state.Reset();
    // The lines after the first, read again as records of their own.
    std::size_t start = text.find('\n') + 1;
    long long number = line + 1;
    while (start < text.size()) {
        Gathering gathering(state.separator);
        Gathering::Step step = Gathering::Step::More;
        std::size_t next = start;
        long long count = 0;
        while (step == Gathering::Step::More && next < text.size()) {
            const std::size_t end = text.find('\n', next);
            step = gathering.Add(std::string_view(text.data() + next, end - next));
            next = end + 1;
            ++count;
        }
        if (step == Gathering::Step::Failed) {
            // Said for its first line, as the reader says it; the others again.
            records.push_back({ number, {}, gathering.Error() });
            start = text.find('\n', start) + 1;
            ++number;
            continue;
        }
        const std::string again = gathering.TakeText();
        const long long first = number;
        start = next;
        number += count;
        if (again.find_first_not_of(" \t\r\n") != std::string::npos)
            Parse(first, again, records);
    }
}

CsvReader::CsvReader(std::istream &in)
    : in_(in)
{
}

CsvReader::~CsvReader() = default;

// On the first line: what cannot be CSV of this kind is said at once.
void CsvReader::CheckStart(Line &first)
{
    std::string &text = first.text;
    if (text.rfind("\xFF\xFE", 0) == 0 || text.rfind("\xFE\xFF", 0) == 0)
        answers::Refuse("", "the input is UTF-16 text; save it as CSV in UTF-8");
    if (text.find('\0') != std::string::npos)
        answers::Refuse("", "the input holds NUL bytes (UTF-16 text without a byte order mark?); "
                            "save it as CSV in UTF-8");
    const std::size_t cr = text.find('\r');
    if (cr != std::string::npos && cr + 1 < text.size())
        answers::Refuse("", "the lines of the input end with CR alone (an old Mac file); save it "
                            "with LF or CR LF at the ends of the lines");
    // The byte order mark that some spreadsheets write, once or more.
    while (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
}

// The input is UTF-8 until a line shows that it is not; from that line on it
// is read as Windows-1252, which every byte is.
void CsvReader::Decode(Line &line)
{
    if (!windows1252_ && !answers::IsUtf8(line.text)) {
        windows1252_ = true;
        notice_ = "the input is not UTF-8: it is read as Windows-1252 from line "
            + std::to_string(line.number);
    }
    if (windows1252_)
        line.text = answers::Utf8FromWindows1252(line.text);
}

// On the first line of the records: a "sep=" line names the separator and is
// no record (true); else a header with semicolons and no comma marks a file
// separated by semicolons, one with tabs and neither, a file separated by tabs.
bool CsvReader::ChooseSeparator(const Line &first)
{
    separatorChosen_ = true;
    const std::string_view text = first.text;
    char separator = NamedSeparator(text);
    const bool named = separator != 0;
    if (!named && text.find(',') == std::string_view::npos)
        separator = text.find(';') != std::string_view::npos ? ';'
            : text.find('\t') != std::string_view::npos    ? '\t'
                                                           : ',';
    if (separator != 0)
        separator_ = separator;
    return named;
}

std::string CsvReader::TakeNotice()
{
    return std::exchange(notice_, {});
}

// The next physical line, without its LF; a line longer than any record can
// be is cut off there and the rest of it skipped. Reads no further than the
// line, so that a batch fed line by line is answered line by line.
bool CsvReader::ReadLine(Line &line)
{
    constexpr std::size_t kPiece = 64 * 1024;
    if (!piece_)
        piece_ = std::make_unique<char[]>(kPiece);
    line.text.clear();
    bool any = false;
    while (true) {
        in_.getline(piece_.get(), static_cast<std::streamsize>(kPiece));
        const auto length = static_cast<std::size_t>(in_.gcount());
        if (in_.eof()) {
            in_.clear(in_.rdstate() & ~std::ios::failbit);
            line.text.append(piece_.get(), length);
            any = any || length > 0;
            break;
        }
        if (!in_.fail()) {
            line.text.append(piece_.get(), length - 1); // without the LF
            any = true;
            break;
        }
        // A piece of a longer line; one longer than any record is cut off.
        in_.clear();
        any = true;
        if (line.text.size() <= kLongestRecord)
            line.text.append(piece_.get(), length);
    }
    if (!any)
        return false;
    line.number = ++lines_;
    if (!started_) {
        started_ = true;
        CheckStart(line);
    }
    Decode(line);
    return true;
}

bool CsvReader::WouldWait() const
{
    return parsed_.empty() && replay_.empty() && in_.rdbuf()->in_avail() <= 0;
}

bool CsvReader::TakeLine(Line &line)
{
    if (!replay_.empty()) {
        line = std::move(replay_.front());
        replay_.pop_front();
        return true;
    }
    return ReadLine(line);
}

// The lines being read are no record: said for the first, and the others are
// read again as records of their own.
void CsvReader::Fail(CsvLines &lines, const std::string &error)
{
    lines.line = pending_.empty() ? lines.line : pending_.front().number;
    lines.text.clear();
    lines.error = error;
    if (!pending_.empty())
        pending_.pop_front();
    for (auto line = pending_.rbegin(); line != pending_.rend(); ++line)
        replay_.push_front(std::move(*line));
    pending_.clear();
}

bool CsvReader::NextLines(CsvLines &lines)
{
    // The room of the last record's text is taken again.
    lines.line = 0;
    lines.error.clear();
    Gathering gathering(separator_, std::move(lines.text));
    lines.text.clear();
    while (true) {
        Line &line = line_;
        if (!TakeLine(line)) {
            if (!pending_.empty()) {
                Fail(lines, kNotClosed);
                return true;
            }
            return false;
        }
        if (pending_.empty()) {
            if (BlankLine(line.text))
                continue;
            if (!separatorChosen_ && ChooseSeparator(line))
                continue;
            lines.line = line.number;
            gathering.Restart(separator_);
        }
        const Gathering::Step step = gathering.Add(line.text);
        // A record of one line leaves no line to read again.
        if (step == Gathering::Step::Record && pending_.empty()) {
            lines.text = gathering.TakeText();
            return true;
        }
        pending_.push_back(std::move(line));
        if (step == Gathering::Step::Failed) {
            Fail(lines, gathering.Error());
            return true;
        }
        if (step == Gathering::Step::Record) {
            lines.text = gathering.TakeText();
            pending_.clear();
            return true;
        }
    }
}

bool CsvReader::Next(CsvRecord &record)
{
    std::vector<CsvRecord> records;
    while (parsed_.empty()) {
        CsvLines lines;
        if (!NextLines(lines))
            return false;
        if (!parser_)
            parser_ = std::make_unique<CsvParser>(separator_);
        records.clear();
        parser_->Parse(lines, records);
        for (CsvRecord &parsed : records)
            parsed_.push_back(std::move(parsed));
    }
    record = std::move(parsed_.front());
    parsed_.pop_front();
    return true;
}

std::vector<std::string> SplitCsvLine(std::string_view line)
{
    std::istringstream in { std::string(line) };
    CsvReader reader(in);
    CsvRecord record;
    if (!reader.Next(record))
        return { "" };
    if (!record.error.empty())
        answers::Refuse("", record.error);
    return record.cells;
}

} // namespace ratedload::cli
