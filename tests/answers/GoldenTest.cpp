// SPDX-License-Identifier: MIT
// The golden cases that every front end runs, here asked of the answers
// themselves: each answer as the JSON Lines it is written in, each refusal
// as its entry, kind and reason.

#include "answers/Batch.h"
#include "answers/Questions.h"
#include "answers/Records.h"

#include "tests/answers/Asked.h"
#include "tests/golden/Golden.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ratedload::answers {
namespace {

nlohmann::json RefusalJson(const Refusal &refusal)
{
    return { { "field", refusal.field() }, { "kind", std::string(KindName(refusal.kind())) },
        { "reason", refusal.reason() } };
}

// The cells of the lines of a small CSV text: no quotes, ',' or ';'.
std::vector<std::vector<std::string>> Lines(const std::string &csv, char &separator)
{
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(csv);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        if (line.rfind("sep=", 0) == 0) {
            separator = line[4];
            lines.push_back({});
            continue;
        }
        std::vector<std::string> cells;
        std::size_t start = 0;
        for (std::size_t at; (at = line.find(separator, start)) != std::string::npos; start = at + 1)
            cells.push_back(line.substr(start, at - start));
        cells.push_back(line.substr(start));
        lines.push_back(cells);
    }
    return lines;
}

class GoldenTest : public testing::TestWithParam<ratedload::test::GoldenCase> {};

TEST_P(GoldenTest, IsAnsweredAsEveryFrontEndAnswersIt)
{
    const nlohmann::json &golden = GetParam().value;
    const auto args = golden.at("args").get<std::vector<std::string>>();
    const Entries entries = test::EntriesOf(args);
    std::string jsonl;
    nlohmann::json refusals = nlohmann::json::array();
    try {
        if (golden.contains("csv")) {
            char separator
                = golden.at("csv").get<std::string>().find(';') != std::string::npos ? ';' : ',';
            const auto lines = Lines(golden.at("csv").get<std::string>(), separator);
            std::size_t header = lines.front().empty() ? 1 : 0;
            const Batch batch(
                *QuestionNamed(args[0]), entries, lines[header], separator == ';');
            for (std::size_t i = header + 1; i < lines.size(); ++i) {
                const auto line = static_cast<long long>(i + 1);
                const LineAnswer answer = batch.Answer(line, lines[i]);
                if (answer.refusal) {
                    nlohmann::json refused = RefusalJson(*answer.refusal);
                    refused["line"] = line;
                    refusals.push_back(refused);
                } else if (!answer.skipped) {
                    AppendRecord(jsonl, Format::Jsonl, batch.Columns(), answer.row);
                }
            }
            EXPECT_EQ(refusals, golden.at("refusals"));
        } else if (args[0] == "table") {
            const Table table(entries);
            for (std::size_t i = 0; i < table.Values().size(); ++i)
                AppendRecord(jsonl, Format::Jsonl, table.Columns(), table.Row(i).row);
        } else {
            const Reply reply = Ask(*QuestionNamed(args[0]), entries);
            jsonl = Written(Format::Jsonl, reply.columns, reply.answer.row);
        }
    } catch (const Refusal &refusal) {
        ASSERT_TRUE(golden.contains("refusal")) << refusal.what();
        EXPECT_EQ(RefusalJson(refusal), golden.at("refusal"));
        return;
    }
    ASSERT_FALSE(golden.contains("refusal"));
    EXPECT_EQ(jsonl, golden.at("jsonl").get<std::string>());
}

INSTANTIATE_TEST_SUITE_P(
    Golden, GoldenTest, testing::ValuesIn(ratedload::test::GoldenCases()),
    ratedload::test::GoldenName);

} // namespace
} // namespace ratedload::answers
