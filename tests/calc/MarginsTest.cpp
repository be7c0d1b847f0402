// SPDX-License-Identifier: MIT
// The margins of a check: differences at the places of their figures, and
// shares in percent.

#include "calc/Margins.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace ratedload::calc
