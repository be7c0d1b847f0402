// SPDX-License-Identifier: MIT
#include "answers/Records.h"

#include "answers/Text.h"

#include <algorithm>

namespace ratedload::answers {

namespace {

// The JSON grammar of a number: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
bool IsJsonNumber(std::string_view text)
{
    std::size_t pos = 0;
    auto digits = [&] {
        const std::size_t start = pos;
        while (pos < text.size() && IsDigit(text[pos]))
            ++pos;
        return pos - start;
    };
    if (pos < text.size() && text[pos] == '-')
        ++pos;
    if (pos < text.size() && text[pos] == '0')
        ++pos;
    else if (digits() == 0)
        return false;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        if (digits() == 0)
            return false;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        if (digits() == 0)
            return false;
    }
    return pos == text.size();
}

// Characters on screen: UTF-8 continuation bytes take no room of their own.
std::size_t Width(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(),
        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Padded(std::string_view text, std::size_t width, bool right)
{
    const std::string fill(width > Width(text) ? width - Width(text) : 0, ' ');
    return right ? fill + std::string(text) : std::string(text) + fill;
}

std::string WithoutTrailingBlanks(std::string line)
{
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

bool HasValue(const std::optional<std::string> &value)
{
    return value && !value->empty();
}

std::string Heading(const Column &column)
{
    return column.unit.empty() ? column.title : column.title + " (" + column.unit + ")";
}

// A byte that a JSON string holds as it is: ASCII, neither a control
// character nor a quote or backslash.
bool IsPlainJsonByte(unsigned char byte)
{
    return byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\';
}

} // namespace

// A JSON string: quotes, backslashes and control characters escaped, bytes
// that are not UTF-8 as U+FFFD, so that the document stays valid.
void AppendJsonString(std::string &out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    std::size_t i = 0;
    while (i < text.size()) {
        // Most bytes stand as they are, and go in together.
        std::size_t plain = i;
        while (plain < text.size() && IsPlainJsonByte(static_cast<unsigned char>(text[plain])))
            ++plain;
        out.append(text.data() + i, plain - i);
        i = plain;
        if (i == text.size())
            break;
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80) {
            const std::size_t length = Utf8Length(text.substr(i));
            if (length == 0) {
                out += "\xEF\xBF\xBD";
                ++i;
            } else {
                out.append(text.substr(i, length));
                i += length;
            }
            continue;
        }
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte == '\r') {
            out += "\\r";
        } else {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xf];
        }
        ++i;
    }
    out += '"';
}

namespace {

// What a spreadsheet takes for the start of a formula in a cell of words.
bool IsFormulaStart(char c)
{
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

// A field written at `out`, in quotes where it needs them, each quote in it
// doubled: there must be room for twice its size and two. Returns its end.
char *WriteCsvField(char *out, std::string_view value)
{
    // Copied as it is read, until a character wants quotes.
    bool quoted = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
    char *const field = out;
    for (std::size_t i = 0; i < value.size() && !quoted; ++i) {
        const char c = value[i];
        // The four that want quotes all come before '.'.
        quoted = c < '.' && (c == ',' || c == '"' || c == '\r' || c == '\n');
        *out++ = c;
    }
    if (!quoted)
        return out;
    out = field;
    *out++ = '"';
    for (char c : value) {
        if (c == '"')
            *out++ = '"';
        *out++ = c;
    }
    *out++ = '"';
    return out;
}

} // namespace

void AppendCsvField(std::string &line, std::string_view value)
{
    const std::size_t start = line.size();
    line.resize(start + 2 * value.size() + 2);
    line.resize(static_cast<std::size_t>(WriteCsvField(line.data() + start, value) - line.data()));
}

std::string CsvField(std::string_view value)
{
    std::string field;
    AppendCsvField(field, value);
    return field;
}

std::string CsvHeader(const std::vector<Column> &columns)
{
    std::string line;
    for (std::size_t i = 0; i < columns.size(); ++i)
        line += (i ? "," : "") + CsvField(columns[i].key);
    return line + "\n";
}

void AppendCsvRecord(std::string &line, const std::vector<Column> &columns, const Row &row)
{
    // Written in place, in room for every field in quotes with its quotes
    // doubled and a mark before it, then cut to what was written.
    const std::size_t fields = std::min(columns.size(), row.size());
    std::size_t room = columns.size() + 1;
    for (std::size_t i = 0; i < fields; ++i)
        room += row[i] ? 2 * row[i]->size() + 4 : 0;
    const std::size_t start = line.size();
    line.resize(start + room);
    char *out = line.data() + start;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i)
            *out++ = ',';
        if (i >= fields || !row[i] || row[i]->empty())
            continue;
        const std::string &cell = *row[i];
        // A number holds nothing that wants quotes, so it goes as it stands;
        // a word that a spreadsheet would take for a formula is marked as text.
        if (columns[i].kind == Kind::Word && IsFormulaStart(cell.front()))
            out = WriteCsvField(out, '\'' + cell);
        else
            out = WriteCsvField(out, cell);
    }
    *out++ = '\n';
    line.resize(static_cast<std::size_t>(out - line.data()));
}

std::string CsvRecord(const std::vector<Column> &columns, const Row &row)
{
    std::string line;
    AppendCsvRecord(line, columns, row);
    return line;
}

void AppendJsonRecord(std::string &line, const std::vector<Column> &columns, const Row &row)
{
    line += '{';
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i)
            line += ',';
        AppendJsonString(line, columns[i].key);
        line += ':';
        const std::optional<std::string> *value = i < row.size() ? &row[i] : nullptr;
        if (!value || !HasValue(*value))
            line += "null";
        else if (columns[i].kind == Kind::Number && IsJsonNumber(**value))
            line += **value;
        else
            AppendJsonString(line, **value);
    }
    line += '}';
}

std::string JsonRecord(const std::vector<Column> &columns, const Row &row)
{
    std::string line;
    AppendJsonRecord(line, columns, row);
    return line + "\n";
}

namespace {

Row EscapedRow(const Row &row)
{
    Row escaped;
    for (const std::optional<std::string> &cell : row)
        escaped.push_back(cell ? std::optional<std::string>(Escaped(*cell)) : std::nullopt);
    return escaped;
}

} // namespace

TextAlignment::TextAlignment(const std::vector<Column> &columns)
    : columns_(columns)
    , shown_(columns.size(), false)
    , widths_(columns.size(), 0)
{
}

std::string TextAlignment::Block(const std::vector<Row> &given)
{
    std::vector<Row> rows;
    rows.reserve(given.size());
    for (const Row &row : given)
        rows.push_back(EscapedRow(row));
    std::vector<bool> shown = shown_;
    std::vector<std::size_t> widths = widths_;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        shown[i] = shown[i] || rows.empty()
            || std::any_of(rows.begin(), rows.end(),
                [i](const Row &row) { return i < row.size() && HasValue(row[i]); });
        if (!shown[i])
            continue;
        widths[i] = std::max(widths[i], Width(Heading(columns_[i])));
        for (const Row &row : rows) {
            if (i < row.size() && row[i])
                widths[i] = std::max(widths[i], Width(*row[i]));
        }
    }
    auto line = [&](auto cell) {
        std::string text;
        bool first = true;
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            if (!shown[i])
                continue;
            text += (first ? "" : "  ") + Padded(cell(i), widths[i], columns_[i].kind == Kind::Number);
            first = false;
        }
        return WithoutTrailingBlanks(text) + "\n";
    };
    std::string table;
    if (!headed_ || shown != shown_ || widths != widths_) {
        table = headed_ ? "\n" : "";
        table += line([&](std::size_t i) { return Heading(columns_[i]); });
    }
    for (const Row &row : rows)
        table += line([&](std::size_t i) { return i < row.size() && row[i] ? *row[i] : ""; });
    headed_ = true;
    shown_ = std::move(shown);
    widths_ = std::move(widths);
    return table;
}

std::string TextTable(const std::vector<Column> &columns, const std::vector<Row> &rows)
{
    return TextAlignment(columns).Block(rows);
}

std::string TextRecord(const std::vector<Column> &columns, const Row &given)
{
    const Row row = EscapedRow(given);
    std::size_t labelWidth = 0;
    std::size_t valueWidth = 0;
    for (std::size_t i = 0; i < columns.size() && i < row.size(); ++i) {
        if (HasValue(row[i])) {
            labelWidth = std::max(labelWidth, Width(columns[i].label));
            if (columns[i].kind == Kind::Number)
                valueWidth = std::max(valueWidth, Width(*row[i]));
        }
    }
    // Numbers line up at the right; a word too long for their column (a
    // verdict) starts where the column starts rather than push it aside.
    std::string text;
    for (std::size_t i = 0; i < columns.size() && i < row.size(); ++i) {
        if (!HasValue(row[i]))
            continue;
        text += WithoutTrailingBlanks(Padded(columns[i].label, labelWidth, false) + "  "
                    + Padded(*row[i], valueWidth, true) + "  " + columns[i].unit)
            + "\n";
    }
    return text;
}

RecordWriter::RecordWriter(
    Format format, std::vector<Column> columns, bool singleRecord, std::size_t textBlock)
    : format_(format)
    , columns_(std::move(columns))
    , singleRecord_(singleRecord)
    , textBlock_(textBlock)
    , alignment_(columns_)
{
}

void AppendRecord(
    std::string &record, Format format, const std::vector<Column> &columns, const Row &row)
{
    switch (format) {
    case Format::Csv:
        AppendCsvRecord(record, columns, row);
        break;
    case Format::Json:
        AppendJsonRecord(record, columns, row);
        break;
    case Format::Jsonl:
        AppendJsonRecord(record, columns, row);
        record += '\n';
        break;
    case Format::Text:
        break;
    }
}

void RecordWriter::Put(std::string_view record, std::string &out)
{
    switch (format_) {
    case Format::Csv:
        if (!headerWritten_)
            out += CsvHeader(columns_);
        headerWritten_ = true;
        break;
    case Format::Json:
        // One document: an array of the records, or a single answer itself.
        if (!singleRecord_)
            out += anyRecord_ ? ",\n" : "[\n";
        break;
    case Format::Jsonl:
    case Format::Text:
        break;
    }
    out += record;
    if (format_ == Format::Json && singleRecord_)
        out += '\n';
    anyRecord_ = true;
}

void RecordWriter::Write(const Row &row, std::string &out)
{
    if (format_ == Format::Text) {
        rows_.push_back(row);
        if (!singleRecord_ && rows_.size() == textBlock_) {
            out += alignment_.Block(rows_);
            rows_.clear();
        }
        anyRecord_ = true;
        return;
    }
    record_.clear();
    AppendRecord(record_, format_, columns_, row);
    Put(record_, out);
}

void RecordWriter::Finish(std::string &out)
{
    if (format_ == Format::Csv && !headerWritten_ && !singleRecord_)
        out += CsvHeader(columns_);
    headerWritten_ = true;
    if (format_ == Format::Json && !singleRecord_)
        out += anyRecord_ ? "\n]\n" : "[]\n";
    if (format_ == Format::Text && !(singleRecord_ && rows_.empty())) {
        if (singleRecord_ && rows_.size() == 1)
            out += TextRecord(columns_, rows_.front());
        else if (!rows_.empty() || !anyRecord_)
            out += alignment_.Block(rows_);
    }
    rows_.clear();
}

std::string Written(Format format, const std::vector<Column> &columns, const Row &row)
{
    RecordWriter writer(format, columns, true);
    std::string text;
    writer.Write(row, text);
    writer.Finish(text);
    return text;
}

} // namespace ratedload::answers
