// SPDX-License-Identifier: MIT
// The pieces of the answers one by one: sides, lists of values and the
// written records.

#include "answers/Ranges.h"
#include "answers/Records.h"
#include "answers/Refusal.h"
#include "answers/Sides.h"

#include <gtest/gtest.h>

namespace ratedload::answers {
namespace {

using rules::Units;

struct SideRow {
    const char *text;
    Units units;
    const char *whole;
    const char *inches;
    const char *fraction;
    const char *millimetres;
};

void PrintTo(const SideRow &row, std::ostream *out)
{
    *out << row.text;
}

class SideTest : public testing::TestWithParam<SideRow> {};

TEST_P(SideTest, GivesTheTextsOfTheLists)
{
    const SideRow &row = GetParam();
    const SideTexts side = ReadSide(row.text, row.units);
    EXPECT_EQ(side.whole, row.whole);
    EXPECT_EQ(side.inches, row.inches);
    EXPECT_EQ(side.fraction, row.fraction);
    EXPECT_EQ(side.millimetres, row.millimetres);
}

INSTANTIATE_TEST_SUITE_P(Written, SideTest, testing::Values(
    SideRow{"7ft4in", Units::Imperial, "7", "4", "0", "0"},
    SideRow{"7ft4.5in", Units::Imperial, "7", "4.5", "0", "0"},
    SideRow{"7ft4-1/2in", Units::Imperial, "7", "4", "0.5", "0"},
    SideRow{"7 ft 4 3/8 in", Units::Imperial, "7", "4", "0.375", "0"},
    SideRow{"7'4\"", Units::Imperial, "7", "4", "0", "0"},
    SideRow{"7'-4\"", Units::Imperial, "7", "4", "0", "0"},
    SideRow{"7ft - 4-1/2in", Units::Imperial, "7", "4", "0.5", "0"},
    SideRow{"7'-1/2\"", Units::Imperial, "7", "0", "0.5", "0"},
    SideRow{"88in", Units::Imperial, "0", "88", "0", "0"},
    SideRow{"7ft", Units::Imperial, "7", "0", "0", "0"},
    SideRow{"07ft04-3/8in", Units::Imperial, "07", "04", "0.375", "0"},
    SideRow{"1/2in", Units::Imperial, "0", "0", "0.5", "0"},
    SideRow{"7.5ft", Units::Imperial, "7.5", "0", "0", "0"},
    SideRow{"0.00000000000000000000000000000000000000000000071in", Units::Imperial, "0",
        "0.00000000000000000000000000000000000000000000071", "0", "0"},
    SideRow{"7FT", Units::Imperial, "7", "0", "0", "0"},
    SideRow{"2.05m", Units::Metric, "2.05", "0", "0", "0"},
    SideRow{"2m50mm", Units::Metric, "2", "0", "0", "50"},
    SideRow{"2050mm", Units::Metric, "0", "0", "0", "2050"},
    SideRow{"2 m 50 mm", Units::Metric, "2", "0", "0", "50"}));

class BadSideTest : public testing::TestWithParam<std::pair<const char *, Units>> {};

TEST_P(BadSideTest, IsRefused)
{
    EXPECT_THROW(ReadSide(GetParam().first, GetParam().second), Refusal);
}

INSTANTIATE_TEST_SUITE_P(Written, BadSideTest, testing::Values(
    std::make_pair("", Units::Imperial), std::make_pair("ft", Units::Imperial),
    std::make_pair("7", Units::Imperial), std::make_pair("7ft4", Units::Imperial),
    std::make_pair("4in7ft", Units::Imperial), std::make_pair("7ft7ft", Units::Imperial),
    std::make_pair("7.5/2in", Units::Imperial), std::make_pair("4-in", Units::Imperial),
    std::make_pair("-3ft", Units::Imperial), std::make_pair("1e3ft", Units::Imperial),
    std::make_pair("2m", Units::Imperial), std::make_pair("7ft", Units::Metric),
    std::make_pair("50mm2m", Units::Metric), std::make_pair("2m50", Units::Metric),
    std::make_pair("1/2m", Units::Metric), std::make_pair("2,05m", Units::Metric),
    std::make_pair("7ft-in", Units::Imperial), std::make_pair("7ft-", Units::Imperial),
    std::make_pair("7.5ft6in", Units::Imperial), std::make_pair("7.5ft1/2in", Units::Imperial),
    std::make_pair("2.5m50mm", Units::Metric),
    // 1E-46: more than 0, but 0 in single precision.
    std::make_pair("0.0000000000000000000000000000000000000000000001in", Units::Imperial),
    std::make_pair("0.0000000000000000000000000000000000000000000001m", Units::Metric)));

TEST(BadSideTest, ACommonFormIsRefusedAsAnyOther)
{
    const std::string huge(400, '9');
    for (const auto &[side, reason] : { std::pair<std::string, std::string> { "7ft4-1/0in",
                                            "zero denominator" },
             { "7ft4-3/2in", "less than 1" }, { "7ft4-1/" + huge + "in", "beyond the range" },
             { "7ft12in", "less than 12" }, { "7ft4-1/2", "needs its unit" } }) {
        try {
            ReadSide(side, Units::Imperial);
            ADD_FAILURE() << side;
        } catch (const Refusal &refusal) {
            EXPECT_NE(refusal.reason().find(reason), std::string::npos) << refusal.reason();
        }
    }
}

TEST(BadSideTest, ALongTextIsReadWholeForItsRefusal)
{
    try {
        ReadSide("1 2 3 4 5 6 7 8 9 furlongs", Units::Imperial);
        FAIL();
    } catch (const Refusal &refusal) {
        EXPECT_NE(refusal.reason().find("unknown unit 'furlongs'"), std::string::npos)
            << refusal.reason();
    }
}

TEST(ValuesTest, ListsAndRangesGiveTheTextsEntered)
{
    using Texts = std::vector<std::string>;
    EXPECT_EQ(ExpandValues("500:2000:500"), (Texts { "500", "1000", "1500", "2000" }));
    EXPECT_EQ(ExpandValues("500:1900:500"), (Texts { "500", "1000", "1500" }));
    EXPECT_EQ(ExpandValues("0:0.3:0.1"), (Texts { "0", "0.1", "0.2", "0.3" }));
    EXPECT_EQ(ExpandValues("3:1:-1, 0.50 ,7"), (Texts { "3", "2", "1", "0.50", "7" }));
    EXPECT_EQ(ExpandValues("5:5:-1"), (Texts { "5" }));
    EXPECT_EQ(ExpandValues("1:100000:1").size(), kMaximumRows);
    EXPECT_EQ(ExpandValues("1:3:1", 3).size(), 3u);
}

TEST(ValuesTest, BadListsAreRefused)
{
    for (const char *list : { "", "1,,2", "1:2", "1:2:3:4", "a:2:1", "1:2:0", "2:1:1", "1:2:-1",
             "1:100001:1", "0:1e300:1e-300", "1e400" })
        EXPECT_THROW(ExpandValues(list), Refusal) << list;
    EXPECT_THROW(ExpandValues("1:3:1,4", 3), Refusal);
}

TEST(CsvTest, QuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(CsvField("5002.5"), "5002.5");
    EXPECT_EQ(CsvField("Car 2, annex"), "\"Car 2, annex\"");
    EXPECT_EQ(CsvField("5'8\""), "\"5'8\"\"\"");
    EXPECT_EQ(CsvField(" x"), "\" x\"");
}

TEST(OutputTest, RecordsInEachFormat)
{
    const std::vector<Column> columns { { "id", "Id", "Id", "", Kind::Word },
        { "area", "Area", "Area", "sq ft", Kind::Number },
        { "count", "Passengers", "Passengers", "", Kind::Number } };
    const Row row { "Car \"1\"", "1.234568E+07", std::nullopt };
    EXPECT_EQ(CsvHeader(columns), "id,area,count\n");
    EXPECT_EQ(CsvRecord(columns, row), "\"Car \"\"1\"\"\",1.234568E+07,\n");
    EXPECT_EQ(JsonRecord(columns, row), "{\"id\":\"Car \\\"1\\\"\",\"area\":1.234568E+07,"
                                        "\"count\":null}\n");
    EXPECT_EQ(TextTable(columns, { row, Row { "B", "5", std::nullopt } }),
        "Id       Area (sq ft)\n"
        "Car \"1\"  1.234568E+07\n"
        "B                   5\n");
    EXPECT_EQ(TextRecord(columns, row), "Id         Car \"1\"\nArea  1.234568E+07  sq ft\n");
}

// Each block keeps the columns and widths before it where it fits them.
TEST(OutputTest, TextTablesGoOnBlockByBlock)
{
    const std::vector<Column> columns { { "id", "Id", "Id", "", Kind::Word },
        { "n", "N", "N", "", Kind::Number }, { "p", "P", "P", "", Kind::Number } };
    TextAlignment table(columns);
    EXPECT_EQ(table.Block({ Row { "A", "5", std::nullopt } }), "Id  N\nA   5\n");
    EXPECT_EQ(table.Block({ Row { "B", "6", std::nullopt } }), "B   6\n");
    EXPECT_EQ(table.Block({ Row { "C", "70", std::nullopt } }), "\nId   N\nC   70\n");
    EXPECT_EQ(table.Block({ Row { "D", "8", "1" } }), "\nId   N  P\nD    8  1\n");
    EXPECT_EQ(table.Block({ Row { "E", "9", std::nullopt } }), "E    9\n");
}

TEST(OutputTest, JsonStaysValidForAnyText)
{
    const std::vector<Column> columns { { "id", "Id", "Id", "", Kind::Word },
        { "n", "N", "N", "", Kind::Number } };
    EXPECT_EQ(JsonRecord(columns, { std::string("\xff"), std::string("5x") }),
        "{\"id\":\"\xEF\xBF\xBD\",\"n\":\"5x\"}\n");
}

} // namespace
} // namespace ratedload::answers
