// SPDX-License-Identifier: MIT
// CSV as spreadsheets write it, read line by line.

#include "cli/Csv.h"

#include "tests/cli/Run.h"

#include "answers/Refusal.h"

#include <csv.h>
#include <gtest/gtest.h>

#include <random>
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

// The cells that libcsv itself makes of a record.
std::vector<std::string> LibcsvCells(const std::string &text, char separator)
{
    csv_parser parser {};
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    std::vector<std::string> cells;
    auto cell = [](void *text, std::size_t size, void *data) {
        static_cast<std::vector<std::string> *>(data)->emplace_back(
            text ? static_cast<const char *>(text) : "", text ? size : 0);
    };
    csv_parse(&parser, text.data(), text.size(), cell, nullptr, &cells);
    csv_fini(&parser, cell, nullptr, &cells);
    csv_free(&parser);
    return cells;
}

// Lines without quotes are split without libcsv: into the same cells.
TEST(CsvTest, LinesWithoutQuotesGetTheCellsLibcsvGives)
{
    std::mt19937 random(7);
    const std::string bytes = "ab7 \t.-,;|\xC3\xA9";
    for (char separator : { ',', ';', '|' }) {
        CsvParser parser(separator);
        for (int i = 0; i < 3000; ++i) {
            std::string line;
            const int length = std::uniform_int_distribution<int>(0, 12)(random);
            for (int j = 0; j < length; ++j)
                line += bytes[std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(random)];
            if (random() % 3 == 0)
                line += '\r';
            line += '\n';
            if (line.find_first_not_of(" \t\r\n") == std::string::npos)
                continue; // no record: the reader passes over blank lines
            std::vector<CsvRecord> records;
            parser.Parse(1, line, records);
            ASSERT_EQ(records.size(), 1u);
            EXPECT_EQ(records[0].cells, LibcsvCells(line, separator))
                << separator << " '" << line << "'";
        }
    }
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
