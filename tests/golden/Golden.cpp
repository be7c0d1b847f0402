// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "tests/golden/Golden.h"

#include <fstream>

namespace ratedload::test {

void PrintTo(const GoldenCase &golden, std::ostream *out)
{
    *out << golden.name;
}

std::vector<GoldenCase> GoldenCases()
{
    std::vector<GoldenCase> cases;
    std::ifstream file(RATEDLOAD_GOLDEN_CASES);
    for (std::string line; std::getline(file, line);) {
        nlohmann::json value = nlohmann::json::parse(line);
        cases.push_back({ value.at("name").get<std::string>(), std::move(value) });
    }
    return cases;
}

std::string GoldenName(const testing::TestParamInfo<GoldenCase> &info)
{
    return info.param.name;
}

std::vector<std::string> Words(const std::string &line)
{
    std::vector<std::string> words;
    std::size_t pos = 0;
    while ((pos = line.find_first_not_of(' ', pos)) != std::string::npos) {
        const std::size_t end = line.find(' ', pos);
        words.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return words;
}

} // namespace ratedload::test
