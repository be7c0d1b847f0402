// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each case of a table test after the `name` field of its row.
struct CaseName {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row> &info) const {
        return info.param.name;
    }
};
