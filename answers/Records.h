// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ratedload::answers {

// text: aligned for people; csv: a header line, then one line per record;
// json: one document, an array of the records (a single answer: the record
// itself); jsonl: one record per line.
enum class Format { Text, Csv, Json, Jsonl };

// How a value is written: a number as the number-to-text rule wrote it (a JSON
// number, right-aligned in text), or a word or an echoed entry (a JSON string,
// left-aligned).
enum class Kind { Number, Word };

struct Column {
    std::string key; // CSV header and JSON key
    std::string title; // heading of a text table
    std::string label; // label of a single text record
    std::string unit; // unit of its values, or empty
    Kind kind = Kind::Number;
};

// One value per column; nullopt where there is no value (an empty CSV field,
// JSON null, a blank in a text table).
using Row = std::vector<std::optional<std::string>>;

// A cell as written into CSV: in quotes when it holds a comma, a quote, a
// line break or blanks at either end.
std::string CsvField(std::string_view value);
// The same, at the end of a line being written.
void AppendCsvField(std::string &line, std::string_view value);

std::string CsvHeader(const std::vector<Column> &columns);
// A word that a spreadsheet would take for a formula (=, +, -, @, a tab or a
// CR first) is written with a ' in front, so that it is not run.
std::string CsvRecord(const std::vector<Column> &columns, const Row &row);

// A text as a JSON string: quotes, backslashes and control characters
// escaped, bytes that are not UTF-8 as U+FFFD.
void AppendJsonString(std::string &out, std::string_view text);

// One JSON object on one line: keys in column order, numbers with exactly
// their text, strings valid UTF-8 whatever the bytes they were given.
std::string JsonRecord(const std::vector<Column> &columns, const Row &row);

// A record of CSV or JSON Lines with its line break, or a JSON object
// without one, at the end of `record`; nothing for text.
void AppendRecord(
    std::string &record, Format format, const std::vector<Column> &columns, const Row &row);

// An aligned table with a heading line; columns that are empty in every row
// are left out. Control characters in a cell are written as escapes (\t,
// \x07), so that a copied cell cannot move the cursor or ring the bell.
std::string TextTable(const std::vector<Column> &columns, const std::vector<Row> &rows);

// A table written a block of rows at a time, in bounded memory: each block
// keeps the columns and widths of those before it where its rows fit them,
// and where they do not, the table goes on after a blank line under a new
// heading with the columns shown so far, widened.
class TextAlignment {
public:
    explicit TextAlignment(const std::vector<Column> &columns);
    // The lines of a block; the heading alone for the first block when it is empty.
    std::string Block(const std::vector<Row> &rows);

private:
    const std::vector<Column> &columns_;
    std::vector<bool> shown_;
    std::vector<std::size_t> widths_;
    bool headed_ = false;
};

// One record as aligned lines of label, value and unit; empty values left out.
std::string TextRecord(const std::vector<Column> &columns, const Row &row);

// Writes records as they come, to the end of a text that the caller writes
// out: CSV with its header first and JSON at once, text a block of
// `textBlock` rows at a time (0: all at Finish), or a single record's lines
// (the answer to one question) at Finish.
class RecordWriter {
public:
    RecordWriter(Format format, std::vector<Column> columns, bool singleRecord,
        std::size_t textBlock = 0);
    void Write(const Row &row, std::string &out);
    // A record made by AppendRecord, in its place among the others (not for text).
    void Put(std::string_view record, std::string &out);
    void Finish(std::string &out);

private:
    Format format_;
    std::vector<Column> columns_;
    bool singleRecord_;
    std::size_t textBlock_;
    TextAlignment alignment_;
    bool headerWritten_ = false;
    bool anyRecord_ = false;
    std::vector<Row> rows_;
    std::string record_;
};

// The whole answer to one question in a format, as the command line writes it.
std::string Written(Format format, const std::vector<Column> &columns, const Row &row);

} // namespace ratedload::answers
