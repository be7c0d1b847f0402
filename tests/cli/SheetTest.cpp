// SPDX-License-Identifier: MIT
// The calculation sheet read back with pdftotext: every figure of the answer
// and the verdict are on the page as the command writes them, with the rule
// applied and the entries as given, for every type and class in both unit
// systems; bad options are refused before anything is written.

#include "tests/cli/Run.h"
#include "tests/cli/SheetFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

namespace ratedload::cli::test {
namespace {

struct SheetRow {
    const char *name;
    const char *command; // without --sheet
    std::vector<const char *> shown; // besides the figures of the answer
};

void PrintTo(const SheetRow &row, std::ostream *out)
{
    *out << row.command;
}

std::vector<std::string> Split(const std::string &line)
{
    std::vector<std::string> cells;
    std::size_t begin = 0;
    while (true) {
        const std::size_t comma = line.find(',', begin);
        cells.push_back(line.substr(begin, comma - begin));
        if (comma == std::string::npos)
            return cells;
        begin = comma + 1;
    }
}

// The figures of an answer as CSV gives them; none of them has a comma.
std::vector<std::string> FiguresOf(const std::string &command)
{
    const Ran ran = RunCli(Words(command + " --format csv"));
    const std::string values = ran.out.substr(ran.out.find('\n') + 1);
    std::vector<std::string> figures;
    for (const std::string &cell : Split(values.substr(0, values.find('\n')))) {
        if (!cell.empty())
            figures.push_back(cell);
    }
    return figures;
}

std::string PdfText(const std::string &path)
{
    return Output("pdftotext '" + path + "' -");
}

class SheetTest : public testing::TestWithParam<SheetRow> {};

TEST_P(SheetTest, CarriesEveryFigureOfTheAnswerAndTheRule)
{
    const SheetRow &row = GetParam();
    const Folder folder;
    const std::string sheet = folder / "car.pdf";
    std::vector<std::string> words = Words(row.command);
    words.insert(words.end(), { "--sheet", sheet });
    const Ran ran = RunCli(words);
    EXPECT_EQ(ran.err, "");
    EXPECT_NE(ran.status, 2);
    EXPECT_EQ(RunCli(Words(row.command)).out, ran.out) << "the answer is the same with a sheet";

    const std::string text = PdfText(sheet);
    const std::vector<std::string> figures = FiguresOf(row.command);
    ASSERT_FALSE(figures.empty());
    for (const std::string &figure : figures)
        EXPECT_NE(text.find(figure), std::string::npos) << figure << " is not on\n" << text;
    for (const char *shown : row.shown)
        EXPECT_NE(text.find(shown), std::string::npos) << shown << " is not on\n" << text;
    EXPECT_EQ(folder.Names(), std::vector<std::string> { "car.pdf" });
}

INSTANTIATE_TEST_SUITE_P(Check, SheetTest, testing::Values(
    SheetRow{"ImperialPassengerSides", "check --load 4000 --depth 7ft4in --width 5ft8in",
        {"Calculation sheet: check of an elevator car", "Passenger",
         "7 ft 4 in (typed 7ft4in)", "5 ft 8 in (typed 5ft8in)", "0.667 A² + 66.7 A, A ≤ 50 sq ft",
         "(√(L + 1667.50278) − 40.83507) / 0.8167, L ≤ 5000 lb", "Verdict: the car passes",
         "Inside net platform area (sq ft)"}},
    SheetRow{"ImperialPassengerWithinAllowance", "check --load 3000 --depth 6ft --width 5ft10in",
        {"Verdict: the car passes within the 5 % allowance", "35.3352 sq ft"}},
    SheetRow{"ImperialPassengerAboveThresholdFails", "check --load 6000 --area 63",
        {"0.0467 A² + 125 A − 1367, A > 50 sq ft", "L > 5000 lb", "Verdict: the car fails",
         "63 sq ft"}},
    SheetRow{"ImperialFreightPassengerTruckGoverns",
        "check --type freight-passenger --truck 9000 --load 4000 --area 40",
        {"Freight / Passenger", "9000 lb", "heavier than the rule's load", "3735.2 lb"}},
    SheetRow{"ImperialFreightA", "check --type freight --class A --load 5000 --area 96",
        {"A: General Freight Loading", "Class A: 50 lb per sq ft", "L / 50"}},
    SheetRow{"ImperialFreightBSides", "check --type freight --class B --load 3000 --depth 10ft "
        "--width 10ft", {"B: Motor Vehicle Loading", "Class B: 30 lb per sq ft",
         "10 ft 0 in (typed 10ft)"}},
    SheetRow{"ImperialFreightC1", "check --type freight --class C1 --truck 6000 --load 6000 "
        "--depth 12ft --width 8ft", {"Class C1: 50 lb per sq ft; a heavier loaded truck governs",
         "the loaded truck plays no part", "6000 lb"}},
    SheetRow{"ImperialFreightC2", "check --type freight --class C2 --truck 500 --load 5000 --area 96",
        {"C2: Industrial Truck Loading", "Class C2: 50 lb per sq ft"}},
    SheetRow{"ImperialFreightC3Fraction", "check --type freight --class C3 --load 2500 "
        "--depth 7ft4-1/2in --width 6ft", {"7 ft 4 in + 0.5 in (typed 7ft4-1/2in)",
         "Class C3: 50 lb per sq ft"}},
    SheetRow{"MetricPassenger", "check --metric --load 1000 --area 2.4",
        {"35 A² + 325 A, A ≤ 4.65 sq m", "L ≤ 2269 kg", "Inside net platform area (sq m)"}},
    SheetRow{"MetricPassengerAboveThreshold", "check --metric --load 2500 --depth 2m500mm --width 2m",
        {"2.45 A² + 610 A − 620, A > 4.65 sq m", "2 m 500 mm (typed 2m500mm)", "L > 2269 kg"}},
    SheetRow{"MetricFreightPassenger", "check --metric --type freight-passenger --load 1500 --area 3",
        {"Freight / Passenger"}},
    SheetRow{"MetricFreightA", "check --metric --type freight --class A --load 1000 --area 4",
        {"Class A: 244 kg per sq m"}},
    SheetRow{"MetricFreightB", "check --metric --type freight --class B --load 600 --area 4",
        {"Class B: 146 kg per sq m", "L / 146"}},
    SheetRow{"MetricFreightC1", "check --metric --type freight --class C1 --truck 1200 --load 1200 "
        "--area 4", {"Class C1: 244 kg per sq m; a heavier loaded truck governs", "1200 kg"}},
    SheetRow{"MetricFreightC2", "check --metric --type freight --class C2 --truck 100 --load 1000 "
        "--area 4", {"Class C2: 244 kg per sq m"}},
    SheetRow{"MetricFreightC3", "check --metric --type freight --class C3 --load 900 --area 4",
        {"Class C3: 244 kg per sq m", "Verdict: the car fails"}}),
    CaseName{});

INSTANTIATE_TEST_SUITE_P(LoadAndArea, SheetTest, testing::Values(
    SheetRow{"LoadImperial", "load --area 50",
        {"Calculation sheet: minimum rated load of a platform", "0.667 A² + 66.7 A, A ≤ 50 sq ft",
         "This platform"}},
    SheetRow{"LoadMetricFreight", "load --metric --type freight --class C3 --area 4",
        {"Class C3: 244 kg per sq m"}},
    SheetRow{"AreaImperialSide", "area --load 2500 --width 5ft",
        {"Calculation sheet: maximum inside net platform area",
         "(√(L + 1667.50278) − 40.83507) / 0.8167, L ≤ 5000 lb, to 4 decimal places",
         "5 ft 0 in (typed 5ft)"}},
    SheetRow{"AreaMetricFreight", "area --metric --type freight --class B --load 1000",
        {"L / 146 (class B: 146 kg per sq m)"}}),
    CaseName{});

TEST(SheetTitleTest, CarriesTheFreeFieldsAndTheProgram)
{
    const Folder folder;
    const Ran ran = RunCli({ "check", "--load", "4000", "--area", "41", "--sheet",
        folder / "car.pdf", "--site", "Harbour Tower, 12 Quay St", "--car", "Car 3",
        "--inspector", "J. Smith" });
    ASSERT_EQ(ran.status, 0) << ran.err;
    const std::string text = PdfText(folder / "car.pdf");
    for (const std::string shown : { "Harbour Tower, 12 Quay St", "Car 3", "J. Smith",
             "ratedload-cli " RATEDLOAD_VERSION, "Site", "Inspector", "Signature" })
        EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
    // The date and time of writing, in the zone of the machine.
    EXPECT_TRUE(std::regex_search(text, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d)"))) << text;
}

TEST(SheetPaperTest, LetterInImperialUnitsA4InMetricUnitsOrAsAsked)
{
    const Folder folder;
    const struct {
        const char *command;
        const char *size;
    } cases[] = { { "load --area 50", "612 x 792 pts" },
        { "load --metric --area 4", "595 x 842 pts" },
        { "load --area 50 --paper A4", "595 x 842 pts" },
        { "load --metric --area 4 --paper letter", "612 x 792 pts" } };
    for (const auto &paper : cases) {
        std::vector<std::string> words = Words(paper.command);
        words.insert(words.end(), { "--sheet", folder / "sheet.pdf" });
        ASSERT_EQ(RunCli(words).status, 0);
        EXPECT_NE(Output("pdfinfo '" + (folder / "sheet.pdf") + "'").find(paper.size),
            std::string::npos)
            << paper.command;
    }
}

TEST(SheetBatchTest, WritesASheetPerCarNamedSafelyAfterItsId)
{
    const Folder folder;
    const std::string input = "id,load,area\n"
                              "P1,4000,41\n"
                              "p1,3000,35\n"
                              "../etc/passwd,4000,41\n"
                              ",4000,41\n"
                              "bad,4000,-\n"
                              "Ünï,2500,29\n";
    const Ran ran = RunCli(Words("check --batch --format csv --sheet-dir " + (folder / "sheets")
                               + " --site Quay"),
        input);
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), 1) << ran.err;
    EXPECT_NE(ran.err.find("line 6: --area"), std::string::npos) << ran.err;
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder / "sheets"))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
        (std::vector<std::string> { "P1.pdf", "_._etc_passwd.pdf", "__n__.pdf", "line-5.pdf",
            "p1-line-3.pdf" }));
    const std::string text = PdfText(folder / "sheets/p1-line-3.pdf");
    EXPECT_NE(text.find("p1"), std::string::npos);
    EXPECT_NE(text.find("Quay"), std::string::npos);
    EXPECT_NE(text.find("passes within the 5 % allowance"), std::string::npos) << text;
}

// Each collision in its own way: the same id, the same but for case, the
// same once made safe, an id that is the name another was given, a device.
TEST(SheetBatchTest, NamesEveryCarsSheetApartAlsoWithoutCase)
{
    const Folder folder;
    const std::string input = "id,load,area\n"
                              "A-line-4,4000,41\n"
                              "A,4000,41\n"
                              "A,4000,41\n"
                              "a,4000,41\n"
                              "A/B,4000,41\n"
                              "A_B,4000,41\n"
                              "CON,4000,41\n"
                              "con.x,4000,41\n";
    const Ran ran
        = RunCli(Words("check --batch --format csv --sheet-dir " + (folder / "s")), input);
    EXPECT_EQ(ran.status, 0) << ran.err;
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder / "s"))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
        (std::vector<std::string> { "A-line-4-2.pdf", "A-line-4.pdf", "A.pdf", "A_B-line-7.pdf",
            "A_B.pdf", "CON_.pdf", "a-line-5.pdf", "con_.x.pdf" }));
}

struct BadSheetRow {
    const char *name;
    const char *command; // {dir} is the test's folder
    const char *named;
    const char *input;
};

void PrintTo(const BadSheetRow &row, std::ostream *out)
{
    *out << row.command;
}

class BadSheetTest : public testing::TestWithParam<BadSheetRow> {};

TEST_P(BadSheetTest, IsRefusedOnOneLineNamingTheOptionAndWritesNothing)
{
    const BadSheetRow &row = GetParam();
    const Folder folder;
    std::ofstream(folder / "file.txt") << "kept\n";
    const Ran ran = RunCli(WordsIn(row.command, folder), row.input);
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.out, "");
    EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), 1) << ran.err;
    EXPECT_EQ(ran.err.rfind("ratedload-cli: " + std::string(row.named), 0), 0u) << ran.err;
    EXPECT_EQ(folder.Names(), std::vector<std::string> { "file.txt" });
}

INSTANTIATE_TEST_SUITE_P(Options, BadSheetTest, testing::Values(
    BadSheetRow{"UnknownPaper", "check --load 4000 --area 40 --sheet {dir}/a.pdf --paper b5",
        "--paper: expected letter or a4, got 'b5'", ""},
    BadSheetRow{"FolderGivenAsFile", "check --load 4000 --area 40 --sheet {dir}", "--sheet: ", ""},
    BadSheetRow{"NoSuchFolder", "load --area 40 --sheet {dir}/none/a.pdf", "--sheet: ", ""},
    BadSheetRow{"FileUnderAFile", "load --area 40 --sheet {dir}/file.txt/a.pdf", "--sheet: ", ""},
    BadSheetRow{"PaperWithoutSheet", "check --load 4000 --area 40 --paper a4", "--paper", ""},
    BadSheetRow{"InspectorWithoutSheet", "area --load 4000 --inspector X", "--inspector", ""},
    BadSheetRow{"SheetWithBatch", "check --batch --sheet {dir}/a.pdf", "--sheet: ",
        "load,area\n4000,40\n"},
    BadSheetRow{"SheetDirWithoutBatch", "check --load 4000 --area 40 --sheet-dir {dir}/x",
        "--sheet-dir: ", ""},
    BadSheetRow{"SheetDirIsAFile", "check --batch --sheet-dir {dir}/file.txt", "--sheet-dir: ",
        "load,area\n4000,40\n"},
    BadSheetRow{"TwoCars", "load --area 40 --sheet {dir}/a.pdf --car A --car B", "--car: ", ""}),
    CaseName{});

TEST(SheetWriteTest, AFailedWriteIsOneLineNamingTheOptionAfterTheAnswer)
{
    // /proc takes no new file, not even from root.
    const Ran ran = RunCli(Words("load --area 50 --sheet /proc/ratedload-sheet.pdf"));
    EXPECT_EQ(ran.status, 2);
    EXPECT_NE(ran.out.find("5002.5"), std::string::npos);
    EXPECT_EQ(ran.err.rfind("ratedload-cli: --sheet: cannot write '/proc/ratedload-sheet.pdf'", 0),
        0u)
        << ran.err;
    EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), 1) << ran.err;
}

TEST(SheetHelpTest, CarCommandsOfferSheetsAndTheProgramSaysSo)
{
    for (const char *command : { "load", "area", "check" }) {
        const Ran ran = RunCli({ command, "--help" });
        for (const char *option : { "--sheet FILE", "--sheet-dir DIR", "--paper PAPER",
                 "--site TEXT", "--car CAR", "--inspector NAME" })
            EXPECT_NE(ran.out.find(option), std::string::npos) << command << " " << option;
    }
    Ran ran = RunCli({ "--help" });
    std::replace(ran.out.begin(), ran.out.end(), '\n', ' ');
    EXPECT_NE(ran.out.find("calculation sheets as PDF"), std::string::npos) << ran.out;
    EXPECT_NE(ran.out.find("charts as SVG and PNG"), std::string::npos) << ran.out;
}

TEST(SheetProcessTest, TheProgramPaintsWithoutADisplayOfItsOwnAccord)
{
    const Folder folder;
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    const std::string saved = platform ? platform : "";
    unsetenv("QT_QPA_PLATFORM");
    unsetenv("DISPLAY");
    const Ran ran = RunCliProcess({ "check", "--load", "4000", "--area", "41", "--sheet",
        folder / "car.pdf" });
    if (platform)
        setenv("QT_QPA_PLATFORM", saved.c_str(), 1);
    EXPECT_EQ(ran.status, 0);
    EXPECT_EQ(ran.err, "");
    EXPECT_NE(PdfText(folder / "car.pdf").find("Verdict: the car passes"), std::string::npos);
}

TEST(SheetProcessTest, PlainCommandsStartNoPainting)
{
    // A platform plugin that does not exist would end the program if it
    // were loaded.
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    const std::string saved = platform ? platform : "";
    setenv("QT_QPA_PLATFORM", "no-such-platform", 1);
    std::string input = "load,area\n";
    for (int i = 0; i < 1000; ++i)
        input += "4000,41\n";
    const Ran ran = RunCliProcess(Words("check --batch --format csv"), input);
    const Ran sheet = RunCliProcess(Words("load --area 50 --sheet /tmp/ratedload-never.pdf"));
    if (platform)
        setenv("QT_QPA_PLATFORM", saved.c_str(), 1);
    else
        unsetenv("QT_QPA_PLATFORM");
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(std::count(ran.out.begin(), ran.out.end(), '\n'), 1001);
    EXPECT_NE(sheet.status, 0) << "the sheet does load the platform";
    std::filesystem::remove("/tmp/ratedload-never.pdf");
}

} // namespace
} // namespace ratedload::cli::test
