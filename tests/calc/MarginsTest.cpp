// SPDX-License-Identifier: MIT
// The margins of a check: differences at the places of their figures, and
// shares in percent.

#include "calc/Margins.h"

#include "rules/NumberText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace ratedload::calc {
namespace {

TEST(MarginsTest, DifferencesKeepThePlacesOfTheFigures)
{
    EXPECT_EQ(DecimalPlaces("4989.167"), 3);
    EXPECT_EQ(DecimalPlaces("1.234568E+07"), 0);
    EXPECT_EQ(DecimalPlaces("1E-05"), 5);
    EXPECT_EQ(Difference("5000", "4989.167"), "10.833");
    EXPECT_EQ(Difference("29.0451", "41.55556"), "-12.51046");
    EXPECT_EQ(Difference("3000", "3000"), "0");
    EXPECT_EQ(Difference("1234.56789", "0.1"), "1234.46789");
    EXPECT_EQ(Percent("10.833", "4989.167"), "0.22");
    // A share too small for 2 places keeps 2 significant digits: never 0 for a margin that is not.
    EXPECT_EQ(Percent("-0.001", "5000"), "-2E-05");
    EXPECT_EQ(Percent("0", "5000"), "0");
    EXPECT_EQ(Percent("1", "0"), std::nullopt);
}

double Read(const std::string &text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Shares rounded at the 2nd place of their exact binary value, as printf
// rounds them; differences exact at the places of their figures.
TEST(MarginsTest, SharesAndDifferencesAgreeWithPrintf)
{
    std::mt19937_64 random(7);
    std::uniform_int_distribution<long long> units(-99999999, 99999999);
    char text[64];
    for (int i = 0; i < 100000; ++i) {
        std::snprintf(text, sizeof text, "%.3f", static_cast<double>(units(random)) / 1000);
        const std::string part = text;
        std::snprintf(text, sizeof text, "%.4f", std::fabs(static_cast<double>(units(random))) / 10000 + 1);
        const std::string whole = text;
        const double share = Read(part) / Read(whole) * 100.0;
        std::snprintf(text, sizeof text, "%.2f", share);
        if (Read(text) != 0.0) {
            ASSERT_EQ(Percent(part, whole), rules::DoubleToText(Read(text)))
                << part << " / " << whole;
        }
        std::snprintf(text, sizeof text, "%.4f", Read(part) - Read(whole));
        ASSERT_EQ(Difference(part, whole), rules::DoubleToText(Read(text))) << part << " - " << whole;
    }
    // Shares a hair from a half of the 2nd place, on either side in binary.
    for (int n = 1; n < 4000; n += 2) {
        std::snprintf(text, sizeof text, "%.3f", n * 0.005);
        const std::string part = text;
        std::snprintf(text, sizeof text, "%.2f", Read(part) / 100.0 * 100.0);
        ASSERT_EQ(Percent(part, "100"), rules::DoubleToText(Read(text))) << part;
    }
}

struct AllowanceRow {
    const char *maximum;
    const char *limit;
};

class AllowanceTest : public testing::TestWithParam<AllowanceRow> {};

// 105 % of the maximum area, never rounded up: the limit shown is the one compared.
TEST_P(AllowanceTest, IsRoundedDownAt4Places)
{
    EXPECT_EQ(WithAllowance(GetParam().maximum), GetParam().limit);
}

INSTANTIATE_TEST_SUITE_P(Margins, AllowanceTest, testing::Values(
    AllowanceRow{"13.8296", "14.521"}, // 14.52108
    AllowanceRow{"1.2235", "1.2846"}, // 1.284675
    AllowanceRow{"42.1792", "44.2881"}, // 44.28816
    AllowanceRow{"40", "42"},
    AllowanceRow{"2.4372", "2.559"}, // 2.55906
    AllowanceRow{"0.0019", "0.0019"}, // 0.001995
    AllowanceRow{"0.0001", "0.0001"}, // 0.000105
    AllowanceRow{"9999.9999", "10499.9998"}, // 10499.999895
    AllowanceRow{"1.23456789012345E+20", "1.29629628462962E+20"}));

} // namespace
} // namespace ratedload::calc
