// SPDX-License-Identifier: MIT
#pragma once

#include "tests/golden/Golden.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ratedload::cli::test {

// What one run of ratedload-cli gave.
struct Ran {
    int status = -1; // exit status; -1 when it did not exit normally
    std::string out;
    std::string err;
    bool timedOut = false;
};

// Runs the commands of ratedload-cli in this process with the arguments,
// feeding `input` to its standard input.
Ran RunCli(const std::vector<std::string> &arguments, const std::string &input = {});

// Runs the program ratedload-cli itself, under a locale that writes "," as
// its decimal point, its standard output into `outputFile` when one is
// named, and its files limited to `fileSizeLimitKiB` (ulimit -f) when that is
// given; a run that takes longer than ten seconds is killed.
Ran RunCliProcess(const std::vector<std::string> &arguments, const std::string &input = {},
    const std::string &outputFile = {}, int fileSizeLimitKiB = 0);

// Names each case of a table test after the `name` field of its row.
struct CaseName {
    template <class Row> std::string operator()(const testing::TestParamInfo<Row> &info) const
    {
        return info.param.name;
    }
};

using ratedload::test::Words;

} // namespace ratedload::cli::test
