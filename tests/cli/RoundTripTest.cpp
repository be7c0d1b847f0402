// SPDX-License-Identifier: MIT
// A car built to what area gives passes check: the maximum area for its
// plated load, or one side given and the other found.

#include "tests/cli/Run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace ratedload::cli::test {
namespace {

std::vector<std::string> CsvCells(const std::string &line)
{
    std::vector<std::string> cells;
    std::stringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');)
        cells.push_back(cell);
    if (!line.empty() && line.back() == ',')
        cells.emplace_back();
    return cells;
}

// The records of a CSV answer, without its header.
std::vector<std::vector<std::string>> Records(const std::string &csv)
{
    std::vector<std::vector<std::string>> records;
    std::stringstream in(csv);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line))
        records.push_back(CsvCells(line));
    return records;
}

struct Car {
    const char *name;
    const char *options; // units, type and class
    const char *side; // the side given to area, or none
};

void PrintTo(const Car &car, std::ostream *out)
{
    *out << car.options << ' ' << car.side;
}

class RoundTripTest : public testing::TestWithParam<Car> { };

TEST_P(RoundTripTest, EveryLoadOfTheTablePasses)
{
    const Car &car = GetParam();
    const bool metric = std::string(car.options).find("--metric") != std::string::npos;
    const std::string given = car.side;
    const Ran table = RunCli(Words(std::string("table --loads 500:30000:500 --format csv ")
        + car.options + (given.empty() ? "" : " --" + given)));
    ASSERT_EQ(table.status, 0) << table.err;
    const auto rows = Records(table.out);
    ASSERT_EQ(rows.size(), 60u);
    for (const auto &row : rows) {
        const std::string &load = row[0];
        std::string platform = "--area " + row[1];
        if (!given.empty()) {
            // The found side's parts, last in the row: feet, inches and the
            // fraction of an inch (0.2812 joins 4 inches as 4.2812), or
            // metres and millimetres.
            const std::size_t n = row.size();
            const std::string found = row[metric ? n - 3 : n - 4];
            const std::string side = metric ? row[n - 2] + "m" + row[n - 1] + "mm"
                                            : row[n - 3] + "ft" + row[n - 2]
                    + (row[n - 1] == "0" ? "" : row[n - 1].substr(1)) + "in";
            platform = "--" + given + " --" + found + " " + side;
        }
        const Ran check = RunCli(
            Words("check --format csv --load " + load + " " + car.options + " " + platform));
        EXPECT_EQ(check.status, 0)
            << "check --load " << load << ' ' << car.options << ' ' << platform << '\n'
            << check.out << check.err;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cars, RoundTripTest, testing::Values(
    Car{"Passenger", "", ""},
    Car{"PassengerDepth7ft", "", "depth 7ft"},
    Car{"PassengerWidth5ft4in", "", "width 5ft4-1/2in"},
    // Deep enough for the found side's last place to decide: 12500 lb.
    Car{"PassengerDepth13ft", "", "depth 13ft"},
    Car{"FreightB", "--type freight --class B", ""},
    Car{"FreightBDepth13ft", "--type freight --class B", "depth 13ft"},
    Car{"FreightBDepth25ft", "--type freight --class B", "depth 25ft"},
    Car{"FreightPassengerWidth9ft", "--type freight-passenger", "width 9ft"},
    Car{"MetricPassenger", "--metric", ""},
    Car{"MetricPassengerDepth2m", "--metric", "depth 2m100mm"},
    Car{"MetricFreightAWidth12m", "--metric --type freight", "width 12m"}),
    CaseName{});
// clang-format on

} // namespace
} // namespace ratedload::cli::test
