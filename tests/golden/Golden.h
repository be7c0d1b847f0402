// SPDX-License-Identifier: MIT
#pragma once

// The golden cases that every front end runs (cases.jsonl beside this file),
// and the words of a command line, for the tests of the C++ front ends.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <vector>

namespace ratedload::test {

struct GoldenCase {
    std::string name;
    nlohmann::json value; // name, args, and jsonl or refusal; a batch's csv and refusals
};

void PrintTo(const GoldenCase &golden, std::ostream *out);

std::vector<GoldenCase> GoldenCases();

// The GoogleTest name of a case: its own.
std::string GoldenName(const testing::TestParamInfo<GoldenCase> &info);

// The words of a line split at blanks ("load --area 50").
std::vector<std::string> Words(const std::string &line);

} // namespace ratedload::test
