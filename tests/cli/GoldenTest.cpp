// SPDX-License-Identifier: MIT
// The golden cases that every front end runs, here through the command line
// with --format jsonl: its standard output, and each refusal as one line.

#include "tests/cli/Run.h"

#include "tests/golden/Golden.h"

#include <gtest/gtest.h>


namespace ratedload::cli::test {
namespace {

// The line the command line writes for a refusal, after "WHERE: ": the
// option and the reason; an overflow's begins with the numbers given.
std::string Said(const nlohmann::json &refusal)
{
    const std::string field = refusal.at("field").get<std::string>();
    return (field.empty() ? std::string() : "--" + field + ": ")
        + refusal.at("reason").get<std::string>() + "\n";
}

bool EndsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class GoldenTest : public testing::TestWithParam<ratedload::test::GoldenCase> {};

TEST_P(GoldenTest, IsAnsweredAsEveryFrontEndAnswersIt)
{
    const nlohmann::json &golden = GetParam().value;
    std::vector<std::string> args = golden.at("args").get<std::vector<std::string>>();
    args.insert(args.end(), { "--format", "jsonl" });
    const Ran ran = RunCli(args, golden.value("csv", ""));
    if (golden.contains("refusal")) {
        EXPECT_EQ(ran.status, 2);
        EXPECT_EQ(ran.out, "");
        EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), 1) << ran.err;
        EXPECT_TRUE(EndsWith(ran.err, Said(golden.at("refusal")))) << ran.err;
        return;
    }
    EXPECT_EQ(ran.out, golden.at("jsonl").get<std::string>());
    long said = 0;
    for (const nlohmann::json &refusal : golden.value("refusals", nlohmann::json::array())) {
        const std::string line = "line " + std::to_string(refusal.at("line").get<int>()) + ": ";
        const std::size_t at = ran.err.find("ratedload-cli: " + line);
        ASSERT_NE(at, std::string::npos) << ran.err;
        EXPECT_TRUE(EndsWith(ran.err.substr(0, ran.err.find('\n', at) + 1), Said(refusal)))
            << ran.err;
        ++said;
    }
    EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), said) << ran.err;
}

INSTANTIATE_TEST_SUITE_P(
    Golden, GoldenTest, testing::ValuesIn(ratedload::test::GoldenCases()),
    ratedload::test::GoldenName);

} // namespace
} // namespace ratedload::cli::test
