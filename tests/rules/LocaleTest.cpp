// SPDX-License-Identifier: MIT
#include "rules/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <stdexcept>

namespace ratedload::rules {
namespace {

// Under a locale whose decimal separator is a comma, numbers are still read
// and written with ".".
class GermanLocaleTest : public testing::Test {
protected:
    void SetUp() override {
        try {
            std::locale::global(std::locale("de_DE.UTF-8"));
        } catch (const std::runtime_error &) {
            GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed";
        }
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
            std::locale::global(std::locale::classic());
            GTEST_SKIP() << "the C locale de_DE.UTF-8 is not installed";
        }
    }

    void TearDown() override {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
    }
};

TEST_F(GermanLocaleTest, ReadsThePoint) {
    EXPECT_EQ(ReadNumber("1.5"), 1.5);
    EXPECT_EQ(ReadNumber("1,5"), 1.0);
    EXPECT_EQ(StrictNumber("2.05"), 2.05);
    EXPECT_EQ(StrictNumber("1.234568E+07"), 12345680.0);
}

TEST_F(GermanLocaleTest, WritesThePoint) {
    EXPECT_EQ(SingleToText(1.5f), "1.5");
    EXPECT_EQ(DoubleToText(1234.5), "1234.5");
    EXPECT_EQ(SingleToText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(DoubleToText(RoundTo4Places(562.5)), "562.5");
}

} // namespace
} // namespace ratedload::rules
