// SPDX-License-Identifier: MIT
// The three formats, the exit statuses of check, and the batch mode.

#include "tests/cli/Run.h"

#include <gtest/gtest.h>

#include <string>

namespace ratedload::cli::test {
namespace {

struct OutputRow {
    const char *name;
    const char *command;
    const char *input; // standard input, for --batch
    int status;
    const char *out;
    const char *err;
};

void PrintTo(const OutputRow &row, std::ostream *out)
{
    *out << row.command;
}

class OutputTest : public testing::TestWithParam<OutputRow> {};

TEST_P(OutputTest, IsWrittenExactly)
{
    const OutputRow &row = GetParam();
    const Ran ran = RunCli(Words(row.command), row.input);
    EXPECT_FALSE(ran.timedOut);
    EXPECT_EQ(ran.status, row.status);
    EXPECT_EQ(ran.out, row.out);
    EXPECT_EQ(ran.err, row.err);
}

INSTANTIATE_TEST_SUITE_P(Formats, OutputTest, testing::Values(
    OutputRow{"LoadText", "load --area 50", "", 0,
        "Inside net platform area          50  sq ft\n"
        "Minimum rated load            5002.5  lb\n"
        "Maximum number of passengers      31\n", ""},
    OutputRow{"LoadCsv", "load --area 50 --format csv", "", 0,
        "area,min_rated_load,passengers\n50,5002.5,31\n", ""},
    OutputRow{"LoadJson", "load --area 50 --format json", "", 0,
        "{\"area\":50,\"min_rated_load\":5002.5,\"passengers\":31}\n", ""},
    OutputRow{"MetricFreightText", "load --metric --type freight --depth 2m50mm --width 1350mm",
        "", 0,
        "Inside net platform area  2.7675  sq m\n"
        "Minimum rated load        675.27  kg\n", ""},
    OutputRow{"SideText", "area --load 2500 --width 5ft", "", 0,
        "Rated load                           2500  lb\n"
        "Maximum inside net platform area  29.0451  sq ft\n"
        "Maximum number of passengers           15\n"
        "Side found                          depth\n"
        "Feet                                    5\n"
        "Inches                                  9\n"
        "Fraction of an inch                0.7082\n", ""},
    OutputRow{"SideJson", "area --metric --type freight --load 2440 --depth 3m --format json",
        "", 0,
        "{\"rated_load\":2440,\"max_area\":10,\"found\":\"width\",\"metres\":3,"
        "\"millimetres\":333.3333}\n", ""},
    OutputRow{"TableText", "table --loads 1000:5000:2000,5001", "", 0,
        "Rated load (lb)  Max. area (sq ft)  Passengers\n"
        "           1000            13.2396           6\n"
        "           3000            33.6526          18\n"
        "           5000            49.9813          31\n"
        "           5001            50.0097          31\n", ""},
    OutputRow{"TableCsvWithSide", "table --loads 2000:3000:500 --depth 7ft --format csv", "", 0,
        "rated_load,max_area,passengers,found,feet,inches,fraction\n"
        "2000,24.1519,12,width,3,5,0.4033\n"
        "2500,29.0451,15,width,4,1,0.7916\n"
        "3000,33.6526,18,width,4,9,0.6902\n", ""},
    OutputRow{"TableDecimalSteps", "table --type freight --loads 0.1:0.3:0.1 --format jsonl", "",
        0,
        "{\"rated_load\":0.1,\"max_area\":0.002}\n"
        "{\"rated_load\":0.2,\"max_area\":0.004}\n"
        "{\"rated_load\":0.3,\"max_area\":0.006}\n", ""},
    OutputRow{"TableAsOneJsonDocument", "table --type freight --loads 1,2 --format json", "", 0,
        "[\n{\"rated_load\":1,\"max_area\":0.02},\n{\"rated_load\":2,\"max_area\":0.04}\n]\n", ""},
    OutputRow{"TableDownwards", "table --metric --type freight --areas 3:1:-1 --format csv", "",
        0, "area,min_rated_load\n3,732\n2,488\n1,244\n", ""}), CaseName{});

INSTANTIATE_TEST_SUITE_P(CheckStatus, OutputTest, testing::Values(
    OutputRow{"PassesText", "check --metric --load 1000 --area 2.4", "", 0,
        "Rated load (plated)                    1000  kg\n"
        "Inside net platform area                2.4  sq m\n"
        "Minimum rated load                    981.6  kg\n"
        "Load margin                            18.4  kg\n"
        "Load margin / minimum rated load       1.87  %\n"
        "Maximum inside net platform area     2.4372  sq m\n"
        "Area compared (4 places)                2.4  sq m\n"
        "Area margin                          0.0372  sq m\n"
        "Area margin / maximum area             1.53  %\n"
        "Maximum area with the 5 % allowance   2.559  sq m\n"
        "Maximum number of passengers             13\n"
        "Verdict                              passes\n", ""},
    // The verdict is the area's: a load short of the minimum passes when the
    // platform is within the area that the plated load permits.
    OutputRow{"PassesThoughTheLoadIsShort", "check --load 5002 --area 50 --format csv", "", 0,
        "rated_load,area,min_rated_load,load_margin,load_margin_pct,max_area,area_compared,"
        "area_margin,area_margin_pct,max_area_allowance,passengers,verdict\n"
        "5002,50,5002.5,-0.5,-0.01,50.0174,50,0.0174,0.03,52.5182,31,passes\n", ""},
    OutputRow{"OverByTheLastDigit", "check --load 4000 --area 42.1793 --format csv", "", 3,
        "rated_load,area,min_rated_load,load_margin,load_margin_pct,max_area,area_compared,"
        "area_margin,area_margin_pct,max_area_allowance,passengers,verdict\n"
        "4000,42.1793,4000.014,-0.014,-0.00035,42.1792,42.1793,-0.0001,-0.00024,44.2881,25,"
            "passes within the 5 % allowance\n", ""},
    OutputRow{"AtTheAllowance", "check --type freight --load 2000 --area 42 --format csv", "", 3,
        "rated_load,area,min_rated_load,load_margin,load_margin_pct,max_area,area_compared,"
        "area_margin,area_margin_pct,max_area_allowance,verdict\n"
        "2000,42,2100,-100,-4.76,40,42,-2,-5,42,passes within the 5 % allowance\n", ""},
    OutputRow{"BeyondTheAllowance", "check --type freight --load 2000 --area 42.0001 --format csv",
        "", 1,
        "rated_load,area,min_rated_load,load_margin,load_margin_pct,max_area,area_compared,"
        "area_margin,area_margin_pct,max_area_allowance,verdict\n"
        "2000,42.0001,2100.005,-100.005,-4.76,40,42.0001,-2.0001,-5,42,fails\n", ""},
    // 105 % of 13.8296 is 14.52108: the limit is 14.521, not 14.5211.
    OutputRow{"AllowanceLimitRoundedDown", "check --load 1050 --area 14.5211 --format csv", "", 1,
        "rated_load,area,min_rated_load,load_margin,load_margin_pct,max_area,area_compared,"
        "area_margin,area_margin_pct,max_area_allowance,passengers,verdict\n"
        "1050,14.5211,1109.203,-59.203,-5.34,13.8296,14.5211,-0.6915,-5,14.521,6,fails\n", ""},
    // The area would pass; the truck the car takes is heavier than its plate.
    OutputRow{"PlatedBelowItsTruck",
        "check --type freight-passenger --truck 9000 --load 4000 --area 40 --format csv", "", 1,
        "rated_load,area,min_rated_load,load_margin,load_margin_pct,max_area,area_compared,"
        "area_margin,area_margin_pct,max_area_allowance,passengers,verdict\n"
        "4000,40,9000,-5000,-55.56,42.1792,40,2.1792,5.17,44.2881,25,fails\n", ""},
    OutputRow{"FailsJson", "check --type freight --load 2000 --depth 7ft4in --width 6ft "
        "--format json", "", 1,
        "{\"rated_load\":2000,\"area\":44,\"min_rated_load\":2200,\"load_margin\":-200,"
        "\"load_margin_pct\":-9.09,\"max_area\":40,\"area_compared\":44,\"area_margin\":-4,"
        "\"area_margin_pct\":-10,\"max_area_allowance\":42,\"verdict\":\"fails\"}\n", ""}),
    CaseName{});

constexpr const char *kFleet = "id,type,class,truck,load,depth,width\n"
                               "Car 1,,,,2500,7ft4in,5ft8in\n"
                               "\"Car 2, annex\",freight,B,,3000,10ft,10ft\n"
                               "Car 3,freight,C1,,2000,7ft,\"5ft8in\n"
                               "Car 4,freight,C1,,2000,7ft,5ft8in\n"
                               "\n"
                               "Car 5,freight-passenger,,3199.5,3500,5ft,2ft\n"
                               "Car 6,freight,D,,2000,7ft,5ft\n"
                               "Car 7,passenger\n"
                               "Car 8,,,,1e40,7ft,5ft\n";

INSTANTIATE_TEST_SUITE_P(Batch, OutputTest, testing::Values(
    // The quote left open on line 4 runs to the end; the lines after it are
    // then read again, each on its own.
    OutputRow{"BadLinesNamedTheOthersAnswered", "check --batch --format csv", kFleet, 2,
        "line,id,type,class,truck,depth,width,rated_load,area,min_rated_load,load_margin,"
        "load_margin_pct,max_area,area_compared,area_margin,area_margin_pct,max_area_allowance,"
        "passengers,verdict\n"
        "2,Car 1,,,,7ft4in,5ft8in,2500,41.55556,3923.574,-1423.574,-36.28,29.0451,41.5556,"
        "-12.5105,-43.07,30.4973,15,fails\n"
        "3,\"Car 2, annex\",freight,B,,10ft,10ft,3000,100,3000,0,0,100,100,0,0,105,,passes\n"
        "7,Car 5,freight-passenger,,3199.5,5ft,2ft,3500,10,3199.5,300.5,9.39,38.0192,10,28.0192,"
        "73.7,39.9201,21,passes\n",
        "ratedload-cli: line 4: the quote that opens a cell on this line is not closed\n"
        "ratedload-cli: line 5: --truck: class C1 needs the weight of the loaded truck\n"
        "ratedload-cli: line 8: --class: expected A, B, C1, C2 or C3, got 'D'\n"
        "ratedload-cli: line 9: 2 cells where the header names 7\n"
        "ratedload-cli: line 10: --depth 7ft, --width 5ft, --load 1e40: overflow: value beyond "
        "the range of a 32-bit integer\n"},
    // Empty cells at the end of the header or of a line, as spreadsheets
    // write them, are no cells of their own; one with something in it is.
    OutputRow{"TrailingEmptyCells", "check --batch --type freight --class B --format csv",
        "id,load,area,\nA,3000,100\nB,3000,100,,\nC,3000,100,,x\n", 2,
        "line,id,rated_load,area,min_rated_load,load_margin,load_margin_pct,max_area,"
        "area_compared,area_margin,area_margin_pct,max_area_allowance,verdict\n"
        "2,A,3000,100,3000,0,0,100,100,0,0,105,passes\n"
        "3,B,3000,100,3000,0,0,100,100,0,0,105,passes\n",
        "ratedload-cli: line 4: 5 cells where the header names 4\n"},
    OutputRow{"AllPass", "check --batch --type freight --class B --format csv",
        "id,load,area\nA,3000,100\nB,3000,99.5\n", 0,
        "line,id,rated_load,area,min_rated_load,load_margin,load_margin_pct,max_area,"
        "area_compared,area_margin,area_margin_pct,max_area_allowance,verdict\n"
        "2,A,3000,100,3000,0,0,100,100,0,0,105,passes\n"
        "3,B,3000,99.5,2985,15,0.5,100,99.5,0.5,0.5,105,passes\n", ""},
    OutputRow{"OneFails", "check --batch --type freight --format json",
        "load,area\n2000,40\n2000,42.1\n", 1,
        "[\n{\"line\":2,\"rated_load\":2000,\"area\":40,\"min_rated_load\":2000,"
        "\"load_margin\":0,\"load_margin_pct\":0,\"max_area\":40,\"area_compared\":40,"
        "\"area_margin\":0,\"area_margin_pct\":0,\"max_area_allowance\":42,"
        "\"verdict\":\"passes\"},\n"
        "{\"line\":3,\"rated_load\":2000,\"area\":42.1,\"min_rated_load\":2105,"
        "\"load_margin\":-105,\"load_margin_pct\":-4.99,\"max_area\":40,"
        "\"area_compared\":42.1,\"area_margin\":-2.1,\"area_margin_pct\":-5.25,"
        "\"max_area_allowance\":42,\"verdict\":\"fails\"}\n]\n", ""},
    OutputRow{"LoadWithDefaultsAndSpreadsheetHeader", "load --batch --metric --type freight",
        "\xEF\xBB\xBF--Class,--Area\r\nB,4\r\n,4\r\n", 0,
        "Line  Class  Area (sq m)  Min. rated load (kg)\n"
        "   2  B                4                   584\n"
        "   3                   4                   976\n", ""},
    OutputRow{"AreaWithSides", "area --batch --format csv",
        "id,type,load,depth,width\nP,,2500,,5ft\nF,freight,5000,10ft,\n", 0,
        "line,id,type,depth,width,rated_load,max_area,passengers,found,feet,inches,fraction\n"
        "2,P,,,5ft,2500,29.0451,15,depth,5,9,0.7082\n"
        "3,F,freight,10ft,,5000,100,,width,10,0,0\n", ""},
    OutputRow{"UnknownColumnCarriedThrough", "load --batch", "area,colour\n50,red\n", 0,
        "Line  Area (sq ft)  Min. rated load (lb)  Passengers  colour\n"
        "   2            50                5002.5          31  red\n", ""},
    OutputRow{"RepeatedColumn", "area --batch", "load,Load\n2500,2500\n", 2, "",
        "ratedload-cli: line 1: the column 'load' is named twice\n"},
    OutputRow{"NoHeader", "area --batch", "", 2, "",
        "ratedload-cli: line 1: no header; the first line names the columns, from id, type, "
        "class, load, depth, width, and any others, which are carried through\n"}),
    CaseName{});

// What spreadsheets write: cells over several lines, trailing commas, empty
// rows, formulas; and files that are no such CSV.
INSTANTIATE_TEST_SUITE_P(Spreadsheets, OutputTest, testing::Values(
    OutputRow{"QuotedLineBreakCarriedThrough", "load --batch --format csv",
        "id,area,address,\nA,50,\"1 Main St,\nAnnex\",\n,,,\nB,10,,\n", 0,
        "line,id,area,min_rated_load,passengers,address\n"
        "2,A,50,5002.5,31,\"1 Main St,\nAnnex\"\n"
        "5,B,10,733.7,4,\n", ""},
    OutputRow{"FormulasAreNotRun", "load --batch --format csv",
        "id,area,note\n=SUM(A1),50,@x\n+1,50,-2\n", 0,
        "line,id,area,min_rated_load,passengers,note\n"
        "2,'=SUM(A1),50,5002.5,31,'@x\n"
        "3,'+1,50,5002.5,31,'-2\n", ""},
    OutputRow{"ControlCharactersEscapedInText", "load --batch",
        "id,area,note\nA,50,\"tab\there\"\n", 0,
        "Line  Id  Area (sq ft)  Min. rated load (lb)  Passengers  note\n"
        "   2  A             50                5002.5          31  tab\\there\n", ""},
    OutputRow{"TruckWeightIsANumber", "load --batch --format jsonl --type freight-passenger",
        "truck,area\n3199.50,10\n", 0,
        "{\"line\":2,\"truck\":3199.5,\"area\":10,\"min_rated_load\":3199.5,"
        "\"passengers\":20}\n", ""},
    OutputRow{"StrayQuoteIsAnErrorOfItsLine", "load --batch --format csv",
        "id,area\n7'4\",50\nB,10\n", 2, "line,id,area,min_rated_load,passengers\n3,B,10,733.7,4\n",
        "ratedload-cli: line 2: a quote inside a cell that does not begin with one, at column 4 "
        "(write the cell in quotes, with \"\" for each quote in it)\n"},
    OutputRow{"CarriageReturnsAlone", "load --batch", "area\r50\r", 2, "",
        "ratedload-cli: line 1: the lines of the input end with CR alone (an old Mac file); "
        "save it with LF or CR LF at the ends of the lines\n"},
    OutputRow{"Utf16", "load --batch", "\xFF\xFE" "a,r", 2, "",
        "ratedload-cli: line 1: the input is UTF-16 text; save it as CSV in UTF-8\n"},
    OutputRow{"Windows1252", "load --batch --format jsonl", "id,area\nB\xE2timent,50\n", 0,
        "{\"line\":2,\"id\":\"B\xC3\xA2timent\",\"area\":50,\"min_rated_load\":5002.5,"
        "\"passengers\":31}\n",
        "ratedload-cli: the input is not UTF-8: it is read as Windows-1252 from line 2\n"},
    // The numbers of a file separated by semicolons may have a decimal comma.
    OutputRow{"SemicolonsAndDecimalCommas", "check --metric --batch --format csv",
        "sep=;\nid;load;area\nA;1000;2,4\nB;1.000;2,4\n", 2,
        "line,id,rated_load,area,min_rated_load,load_margin,load_margin_pct,max_area,"
        "area_compared,area_margin,area_margin_pct,max_area_allowance,passengers,verdict\n"
        "3,A,1000,2.4,981.6,18.4,1.87,2.4372,2.4,0.0372,1.53,2.559,13,passes\n",
        "ratedload-cli: line 4: --load: '1.000' may have points between thousands, or be a "
        "decimal; in a file separated by semicolons write it without the points, or with a "
        "decimal comma\n"},
    OutputRow{"HeadingsAsPeopleWriteThem", "load --metric --batch --format csv",
        "Car;Platform_Depth (mm);WIDTH [m];Remark\nA;2050;1,35;x\n", 0,
        "line,id,depth,width,area,min_rated_load,passengers,Remark\n"
        "2,A,2050mm,1.35m,2.7675,1167.504,16,x\n", ""},
    OutputRow{"HeadingInTheOtherUnits", "check --batch", "id,Load (kg),Area (sq ft)\nA,1,2\n", 2,
        "", "ratedload-cli: line 1: the column 'Load (kg)' is in kg; in imperial units, loads are "
        "in lb\n"},
    OutputRow{"NoColumnOfTheLoad", "check --batch", "Car,Weight,Depth,Width\nA,1,7ft,5ft\n", 2,
        "", "ratedload-cli: line 1: no column gives the rated load (or give it for every line): "
        "the header reads 'Car', 'Weight', 'Depth', 'Width'; the columns known are id, "
        "type, class, truck, load, area, depth, width, in any case, such as 'Rated load', and "
        "with a unit, such as 'Load (lb)'\n"}),
    CaseName{});

TEST(TableSizeTest, OneHundredThousandRowsAreAnswered)
{
    const Ran ran = RunCli(Words("table --type freight --loads 1:100000:1 --format csv"));
    EXPECT_EQ(ran.status, 0);
    EXPECT_EQ(ran.out.size(), ran.out.find("100000,2000\n") + 12);
}

} // namespace
} // namespace ratedload::cli::test
