// SPDX-License-Identifier: MIT
// Sheets and charts are written in full or not at all, and what is no
// regular file is written to, never replaced.

#include "tests/cli/Run.h"
#include "tests/cli/SheetFiles.h"

#include "report/OutputFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace ratedload::cli::test {
namespace {

std::string Contents(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void Put(const std::string &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

mode_t ModeOf(const std::string &path)
{
    struct stat status {};
    lstat(path.c_str(), &status);
    return status.st_mode;
}

TEST(OutputFileTest, AFolderIsRefusedAndLeftAlone)
{
    const Folder folder;
    std::ostringstream out;
    try {
        report::WriteOutputFile(folder.Path(), "x", out);
        FAIL() << "no error";
    } catch (const report::OutputFileError &error) {
        EXPECT_EQ(error.what(), "'" + folder.Path() + "' is a folder");
    }
    EXPECT_TRUE(folder.Names().empty());
}

TEST(OutputFileTest, AMissingFolderIsTheSystemsReasonAndLeavesNothing)
{
    const Folder folder;
    std::ostringstream out;
    try {
        report::WriteOutputFile(folder / "no/chart.svg", "x", out);
        FAIL() << "no error";
    } catch (const report::OutputFileError &error) {
        EXPECT_EQ(error.what(),
            "cannot write '" + (folder / "no/chart.svg") + "': " + std::strerror(ENOENT));
    }
    EXPECT_TRUE(folder.Names().empty());
}

TEST(OutputFileTest, AFileIsReplacedWholeKeepingItsModeWithNothingBeside)
{
    const Folder folder;
    Put(folder / "chart.png", std::string(1 << 20, 'x'));
    chmod((folder / "chart.png").c_str(), 0640);
    ASSERT_EQ(symlink("chart.png", (folder / "link").c_str()), 0);
    std::ostringstream out;
    report::WriteOutputFile(folder / "link", "new", out);
    EXPECT_EQ(Contents(folder / "chart.png"), "new");
    EXPECT_EQ(ModeOf(folder / "chart.png") & 0777, 0640u);
    EXPECT_TRUE(S_ISLNK(ModeOf(folder / "link")));
    EXPECT_EQ(folder.Names(), (std::vector<std::string> { "chart.png", "link" }));
    EXPECT_TRUE(out.str().empty());
}

TEST(OutputFileTest, ADeviceIsWrittenAsAStreamAndStaysADevice)
{
    std::ostringstream out;
    report::WriteOutputFile("/dev/null", "x", out);
    EXPECT_TRUE(S_ISCHR(ModeOf("/dev/null")));
    try {
        report::WriteOutputFile("/dev/full", "x", out);
        FAIL() << "no error";
    } catch (const report::OutputFileError &error) {
        EXPECT_EQ(error.what(), "cannot write '/dev/full': " + std::string(std::strerror(ENOSPC)));
    }
    EXPECT_TRUE(S_ISCHR(ModeOf("/dev/full")));
    report::WriteOutputFile("-", "to standard output", out);
    EXPECT_EQ(out.str(), "to standard output");
}

struct LimitRow {
    const char *name;
    const char *command; // {dir} is the test's folder
    const char *file; // in the folder, there before with other text
    const char *option;
};

void PrintTo(const LimitRow &row, std::ostream *out)
{
    *out << row.command;
}

class FileSizeLimitTest : public testing::TestWithParam<LimitRow> {};

// ulimit -f 8: every one of these files is larger.
TEST_P(FileSizeLimitTest, IsOneLineAndTheEarlierFileStaysAsItWas)
{
    const LimitRow &row = GetParam();
    const Folder folder;
    mkdir((folder / "s").c_str(), 0755);
    Put(folder / row.file, "the earlier file");
    const std::string input = "id,load,area\nA,4000,41\n";
    const Ran ran = RunCliProcess(WordsIn(row.command, folder), input, {}, 8);
    EXPECT_EQ(ran.status, 2);
    // The system's reason ("File too large") in the language of the locale.
    const std::string said
        = std::string("ratedload-cli: ") + row.option + ": cannot write '" + (folder / row.file) + "': ";
    EXPECT_EQ(ran.err.substr(0, said.size()), said) << ran.err;
    EXPECT_EQ(ran.err.find('\n'), ran.err.size() - 1) << ran.err;
    EXPECT_EQ(Contents(folder / row.file), "the earlier file");
    EXPECT_EQ(folder.Names(), (std::vector<std::string> { "s" }));
}

INSTANTIATE_TEST_SUITE_P(Outputs, FileSizeLimitTest, testing::Values(
    LimitRow{"Sheet", "check --load 4000 --area 41 --format csv --sheet {dir}/s/car.pdf",
        "s/car.pdf", "--sheet"},
    LimitRow{"SheetDir", "check --batch --format csv --sheet-dir {dir}/s", "s/A.pdf",
        "line 2: --sheet-dir"},
    LimitRow{"Svg", "chart --svg {dir}/s/chart.svg", "s/chart.svg", "--svg"},
    LimitRow{"Png", "chart --png {dir}/s/chart.png", "s/chart.png", "--png"}),
    CaseName{});

TEST(FifoTest, IsWrittenToAndStaysAFifo)
{
    const Folder folder;
    const std::string fifo = folder / "chart.svg";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string read;
    std::thread reader([&] { read = Contents(fifo); });
    const Ran ran = RunCliProcess({ "chart", "--svg", fifo });
    reader.join();
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(read.rfind("<?xml", 0), 0u);
    EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
}

TEST(StandardOutputTest, TakesTheChartOrTheSheetInPlaceOfTheAnswers)
{
    const Ran svg = RunCliProcess(Words("chart --svg -"));
    EXPECT_EQ(svg.status, 0) << svg.err;
    EXPECT_EQ(svg.out.rfind("<?xml", 0), 0u);
    const Ran sheet = RunCliProcess(Words("check --load 1050 --area 14.5211 --sheet -"));
    EXPECT_EQ(sheet.status, 1) << sheet.err;
    EXPECT_EQ(sheet.out.rfind("%PDF-", 0), 0u);
    const Ran both = RunCliProcess(Words("chart --svg - --png -"));
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.err,
        "ratedload-cli: --png: standard output takes the SVG already; give the PNG a file\n");
}

} // namespace
} // namespace ratedload::cli::test
