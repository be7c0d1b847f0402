// SPDX-License-Identifier: MIT
#include "cli/Csv.h"

#include "answers/Refusal.h"
#include "answers/Text.h"

#include <csv.h>

#include <algorithm>
#include <limits>
#include <sstream>
#include <utility>

namespace ratedload::cli {

namespace {

// No line of a spreadsheet's export, and no quoted cell, comes near this; a
// quote left open in a large file would otherwise swallow the rest of it.
constexpr std::size_t kLongestRecord = 1024 * 1024;
constexpr unsigned char kOptions = CSV_STRICT | CSV_STRICT_FINI;

bool BlankLine(std::string_view text)
{
    return text.find_first_not_of(" \t\r") == std::string_view::npos;
}

// A CR that is not the last byte of the line, outside quotes; a line that
// begins inside a quoted cell begins `quoted`.
bool HasCrAlone(std::string_view text, bool quoted)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == '\r' && !quoted && i + 1 < text.size())
            return true;
    }
    return false;
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

} // namespace

struct CsvReader::Parser {
    csv_parser csv {};
    std::vector<std::string> cells;
    std::deque<CsvReader::Record> *ready = nullptr;
    long long line = 0; // where the record being read began
    char separator = ',';

    Parser() { csv_init(&csv, kOptions); }
    ~Parser() { csv_free(&csv); }

    void Reset()
    {
        csv_free(&csv);
        csv_init(&csv, kOptions);
        csv_set_delim(&csv, separator);
        cells.clear();
    }

    void SetSeparator(char c)
    {
        separator = c;
        csv_set_delim(&csv, c);
    }

    static void Cell(void *text, std::size_t size, void *data)
    {
        auto *parser = static_cast<Parser *>(data);
        parser->cells.emplace_back(text ? static_cast<const char *>(text) : "", text ? size : 0);
    }

    static void End(int, void *data)
    {
        auto *parser = static_cast<Parser *>(data);
        CsvReader::Record record;
        record.line = parser->line;
        record.cells = std::move(parser->cells);
        parser->cells.clear();
        parser->ready->push_back(std::move(record));
    }

    // The bytes of the text read before an error, or all of them.
    std::size_t Feed(std::string_view text)
    {
        return csv_parse(&csv, text.data(), text.size(), Cell, End, this);
    }

    bool InRecord() const { return csv.pstate != 0; }
    bool InQuotes() const { return csv.quoted != 0; }
};

CsvReader::CsvReader(std::istream &in)
    : in_(in)
    , parser_(std::make_unique<Parser>())
{
    parser_->ready = &ready_;
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
    if (separator != 0) {
        separator_ = separator;
        parser_->SetSeparator(separator);
    }
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
    return ready_.empty() && replay_.empty() && in_.rdbuf()->in_avail() <= 0;
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

// The record being read fails: said for its first line, and its other lines
// are read again as records of their own.
void CsvReader::Fail(const std::string &error)
{
    CsvReader::Record record;
    record.line = parser_->line;
    record.error = error;
    ready_.push_back(std::move(record));
    if (!pending_.empty())
        pending_.pop_front();
    for (auto line = pending_.rbegin(); line != pending_.rend(); ++line)
        replay_.push_front(std::move(*line));
    pending_.clear();
    pendingBytes_ = 0;
    parser_->Reset();
}

bool CsvReader::Next(Record &record)
{
    while (ready_.empty()) {
        if (ended_)
            return false;
        Line line;
        if (!TakeLine(line)) {
            if (parser_->InRecord()) {
                Fail("the quote that opens a cell on this line is not closed");
                continue;
            }
            ended_ = true;
            return false;
        }
        if (!parser_->InRecord()) {
            if (BlankLine(line.text))
                continue;
            if (!separatorChosen_ && ChooseSeparator(line))
                continue;
            parser_->line = line.number;
        }
        if (line.text.size() > kLongestRecord) {
            Fail("a line longer than " + std::to_string(kLongestRecord) + " bytes");
            continue;
        }
        // A CR alone would end the record there, and the rest of the line
        // would pass for a car of the same line.
        if (HasCrAlone(line.text, parser_->InQuotes())) {
            pending_.push_back(std::move(line));
            Fail("a CR alone inside the line, outside quotes; the lines of CSV end with LF or CR "
                 "LF");
            continue;
        }
        const std::string text = line.text + '\n';
        const std::size_t read = parser_->Feed(text);
        pendingBytes_ += text.size();
        const long long number = line.number;
        pending_.push_back(std::move(line));
        if (read < text.size()) {
            const std::string column
                = (number == parser_->line ? std::string()
                                           : "line " + std::to_string(number) + ", ")
                + "column " + std::to_string(read + 1);
            Fail(parser_->InQuotes() ? "text after the closing quote of a cell, at " + column
                                     : "a quote inside a cell that does not begin with one, at "
                        + column + " (write the cell in quotes, with \"\" for each quote in it)");
        } else if (!parser_->InRecord()) {
            pending_.clear();
            pendingBytes_ = 0;
        } else if (pendingBytes_ > kLongestRecord) {
            Fail("the quote that opens a cell on this line is not closed");
        }
    }
    record = std::move(ready_.front());
    ready_.pop_front();
    return true;
}

std::vector<std::string> SplitCsvLine(std::string_view line)
{
    std::istringstream in { std::string(line) };
    CsvReader reader(in);
    CsvReader::Record record;
    if (!reader.Next(record))
        return { "" };
    if (!record.error.empty())
        answers::Refuse("", record.error);
    return record.cells;
}

} // namespace ratedload::cli
