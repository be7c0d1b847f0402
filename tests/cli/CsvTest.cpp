// SPDX-License-Identifier: MIT
// CSV as spreadsheets write it, read line by line.

#include "cli/Csv.h"

#include "tests/cli/Run.h"

#include "answers/Refusal.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ratedload::cli {
namespace {

TEST(CsvTest, SplitsFieldsPlainAndQuoted)
{
    using Fields = std::vector<std::string>;
    EXPECT_EQ(SplitCsvLine("a, b ,,c\r"), (Fields { "a", "b", "", "c" }));
    EXPECT_EQ(SplitCsvLine("\"x, y\",\"say \"\"hi\"\"\""), (Fields { "x, y", "say \"hi\"" }));
    EXPECT_EQ(SplitCsvLine("\"7'4\"\"\",5ft"), (Fields { "7'4\"", "5ft" }));
    // A quote inside a plain cell is an error of its line.
    EXPECT_THROW(SplitCsvLine("7'4\",5ft"), answers::Refusal);
    EXPECT_EQ(SplitCsvLine(""), (Fields { "" }));
    EXPECT_THROW(SplitCsvLine("\"open,1"), answers::Refusal);
    EXPECT_THROW(SplitCsvLine("\"closed\"x,1"), answers::Refusal);
}

struct CsvRow {
    const char *name;
    const char *input;
    const char *records; // "line:cell|cell" or "line!error", one per line
    char separator;
    const char *notice;
};

void PrintTo(const CsvRow &row, std::ostream *out)
{
    *out << row.name;
}

class CsvReaderTest : public testing::TestWithParam<CsvRow> {};

TEST_P(CsvReaderTest, ReadsWhatSpreadsheetsWrite)
{
    const CsvRow &row = GetParam();
    std::istringstream in(row.input);
    CsvReader reader(in);
    CsvRecord record;
    std::string records;
    std::string notices;
    while (reader.Next(record)) {
        records += std::to_string(record.line);
        if (!record.error.empty())
            records += "!" + record.error.substr(0, record.error.find(' ', 10));
        for (std::size_t i = 0; i < record.cells.size(); ++i)
            records += (i ? "|" : ":") + record.cells[i];
        records += "\n";
        notices += reader.TakeNotice();
    }
    EXPECT_EQ(records, row.records);
    EXPECT_EQ(reader.Separator(), row.separator);
    EXPECT_EQ(notices, row.notice);
}

INSTANTIATE_TEST_SUITE_P(Csv, CsvReaderTest, testing::Values(
    CsvRow{"Plain", "a,b\r\n1,2\r\n", "1:a|b\n2:1|2\n", ',', ""},
    CsvRow{"ByteOrderMarksOnceOrTwice", "\xEF\xBB\xBF\xEF\xBB\xBF" "a,b\n", "1:a|b\n", ',', ""},
    // A CR alone is an error of its line; the lines after it keep their numbers.
    CsvRow{"CrAloneInsideALine", "a,b\n1,2\r3,4\n5,6\n", "1:a|b\n2!a CR alone\n3:5|6\n", ',',
        ""},
    // Read again after the record it was in failed, too.
    CsvRow{"CrAloneInALineReadAgain", "a,b\n\"1\"x,\"2\n3,4\r5,\"6\"\n7,8\n",
        "1:a|b\n2!text after\n3!a CR alone\n4:7|8\n", ',', ""},
    CsvRow{"CrInsideQuotes", "a,b\n\"1\r2\",3\n", "1:a|b\n2:1\r2|3\n", ',', ""},
    CsvRow{"SepLine", "sep=;\na;b\n1,5;2\n", "2:a|b\n3:1,5|2\n", ';', ""},
    CsvRow{"SepLineQuoted", "\"sep=,\"\r\na;b,c\n", "2:a;b|c\n", ',', ""},
    CsvRow{"SepTab", "sep=\t\na\tb\n", "2:a|b\n", '\t', ""},
    CsvRow{"SemicolonsWithoutComma", "a;b\n1,5;2\n", "1:a|b\n2:1,5|2\n", ';', ""},
    CsvRow{"CommaWins", "a;b,c\n", "1:a;b|c\n", ',', ""},
    CsvRow{"TabsAlone", "a\tb\n", "1:a|b\n", '\t', ""},
    CsvRow{"Windows1252", "id\nB\xE2timent\n\x80\x81\n",
        "1:id\n2:B\xC3\xA2timent\n3:\xE2\x82\xAC\xC2\x81\n", ',',
        "the input is not UTF-8: it is read as Windows-1252 from line 2"},
    CsvRow{"Utf8StaysUtf8", "id\nB\xC3\xA2timent\n", "1:id\n2:B\xC3\xA2timent\n", ',', ""}),
    test::CaseName{});

} // namespace
} // namespace ratedload::cli
