// SPDX-License-Identifier: MIT
#pragma once

// CSV as spreadsheets write it (RFC 4180), read with libcsv: cells separated
// by commas, blanks around a plain cell dropped, a cell in double quotes
// with "" for a quote and with commas and line breaks inside it. What
// spreadsheets in other countries write is read too: a first line "sep=;"
// (or "sep=," or "sep=" and a tab) names the separator, and a header with
// semicolons and no comma marks a file separated by semicolons; text that is
// not UTF-8 is read as Windows-1252.
//
// Reading goes in two steps, so that the second can run on other threads:
// CsvReader finds the lines of each record, in order; CsvParser makes them
// its cells.

#include <deque>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ratedload::cli {

// One record: its cells and the line it begins on; a record that cannot be
// read has no cells and says why.
struct CsvRecord {
    long long line = 0;
    std::vector<std::string> cells;
    std::string error;
};

// The lines of one record, as read: the number of the first, and their text
// with an LF after each; or why they are no record.
struct CsvLines {
    long long line = 0;
    std::string text;
    std::string error;
};

// Makes records of the lines that CsvReader gives, with libcsv, strictly: a
// quote inside a plain cell or text after a closing quote fails the record,
// which is said for its first line, and its lines after that are read again
// as records of their own. One per thread.
class CsvParser {
public:
    explicit CsvParser(char separator);
    ~CsvParser();
    CsvParser(const CsvParser &) = delete;
    CsvParser &operator=(const CsvParser &) = delete;

    // The records of the lines: one, or more where they fail.
    void Parse(const CsvLines &lines, std::vector<CsvRecord> &records);
    // The same for the text of lines that are a record as read, the first
    // of them numbered `line`.
    void Parse(long long line, std::string_view text, std::vector<CsvRecord> &records);

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Reads the lines of one record at a time, in constant memory. Lines that
// are no record (a quote that is never closed, a CR alone inside a line
// outside quotes, a line longer than any record can be) are returned with
// their error, and reading goes on with the line after the one they began
// on. A blank line is no record. Input that is not CSV of this kind at all
// (UTF-16, lines ended by CR alone) raises a Refusal when the first record
// is read. Byte order marks at the start are dropped, however many.
class CsvReader {
public:
    explicit CsvReader(std::istream &in);
    ~CsvReader();
    CsvReader(const CsvReader &) = delete;
    CsvReader &operator=(const CsvReader &) = delete;

    // The lines of the next record; false at the end of the input.
    bool NextLines(CsvLines &lines);
    // The next record, parsed here; false at the end of the input.
    bool Next(CsvRecord &record);
    // Whether the next record would wait for input that has not come yet.
    bool WouldWait() const;
    // The separator of the cells, known once the first record is read.
    char Separator() const { return separator_; }
    // What the reader has to tell about the input, once: that it is read as
    // Windows-1252. Empty when nothing is new.
    std::string TakeNotice();

private:
    struct Line {
        long long number = 0;
        std::string text;
    };

    bool TakeLine(Line &line);
    bool ReadLine(Line &line);
    void CheckStart(Line &first);
    void Decode(Line &line);
    bool ChooseSeparator(const Line &first);
    void Fail(CsvLines &lines, const std::string &error);

    std::istream &in_;
    Line line_; // the line being read, its room kept from line to line
    std::deque<Line> pending_; // the lines of the record being read
    std::deque<Line> replay_; // lines to read again after a record failed
    std::unique_ptr<char[]> piece_;
    std::unique_ptr<CsvParser> parser_; // for Next
    std::deque<CsvRecord> parsed_;
    long long lines_ = 0;
    bool started_ = false;
    char separator_ = ',';
    bool separatorChosen_ = false;
    bool windows1252_ = false;
    std::string notice_;
};

// The cells of one line of CSV. Refusal where the line cannot be read.
std::vector<std::string> SplitCsvLine(std::string_view line);

} // namespace ratedload::cli
