// SPDX-License-Identifier: MIT
#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include "tests/rules/CaseNames.h"

#include <gtest/gtest.h>

#include <charconv>

#include <cstdio>
#include <random>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace ratedload::rules {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();


struct ReadRow {
    const char *name;
    const char *text;
    double value;
};

class ReadNumberTest : public testing::TestWithParam<ReadRow> {};

TEST_P(ReadNumberTest, ReadsTheLeadingNumber) {
    EXPECT_EQ(ReadNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadNumberTest, testing::Values(
    ReadRow{"LettersEndTheNumber", "12abc", 12},
    ReadRow{"SlashEndsTheNumber", "1/2", 1},
    ReadRow{"NoNumberReadsAsZero", "abc", 0},
    ReadRow{"EmptyReadsAsZero", "", 0},
    ReadRow{"LeadingPoint", ".5", 0.5},
    ReadRow{"Negative", "-3", -3},
    ReadRow{"BlankInsideIsSkipped", "1 2", 12},
    ReadRow{"TabAndLineFeedAreSkipped", "\t1\n2", 12},
    ReadRow{"CommaEndsTheNumber", "1,5", 1},
    ReadRow{"UnitAfterTheNumber", "12.5ft", 12.5},
    ReadRow{"ExponentE", "1E3", 1000},
    ReadRow{"ExponentD", "1D3", 1000},
    ReadRow{"ExponentWithoutDigits", "1e", 1},
    ReadRow{"ExponentSignWithoutDigits", "1E+", 1},
    ReadRow{"BlankAfterSign", "- 3", -3},
    ReadRow{"SecondPointEndsTheNumber", "1.2.3", 1.2},
    ReadRow{"PlusSign", "+5", 5},
    ReadRow{"DecimalIsReadToTheNearestDouble", "2174.99999", 2174.99999},
    ReadRow{"TinyExponentReadsAsZero", "1E-999", 0}),
    CaseName{});

TEST(ReadNumberTest, BeyondDoubleRangeIsAnInfinityOfItsSign) {
    EXPECT_EQ(ReadNumber("1E999"), Inf);
    EXPECT_EQ(ReadNumber("-1E999"), -Inf);
}


struct StrictRow {
    const char *name;
    const char *text;
    double value;
};

class StrictNumberTest : public testing::TestWithParam<StrictRow> {};

TEST_P(StrictNumberTest, AcceptsAWrittenNumber) {
    EXPECT_EQ(StrictNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Accepted, StrictNumberTest, testing::Values(
    StrictRow{"BlanksAround", "  41.55556 ", 41.55556},
    StrictRow{"LargeExponent", "1.234568E+07", 12345680},
    StrictRow{"SmallExponent", "1E-05", 1e-05},
    StrictRow{"NegativeWhole", "-2", -2},
    StrictRow{"Fraction", "0.3333", 0.3333},
    StrictRow{"Zero", "0", 0}),
    CaseName{});

class StrictNumberRefusalTest : public testing::TestWithParam<const char *> {};

TEST_P(StrictNumberRefusalTest, RefusesWithRunTimeError) {
    EXPECT_THROW(StrictNumber(GetParam()), RunTimeError) << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(Refused, StrictNumberRefusalTest,
                         testing::Values("", "  ", "abc", "12abc", "1 2", "1,5", "1E999", ".", "-"));

TEST(StrictNumberTest, ReadsBackEveryTextTheProgramWrites) {
    // A text reads back to the value written, to within half a unit of its
    // last digit; exactly where the value needs no more digits than it has.
    // Written again, what was read gives the same text.
    const float exactSingles[] = {0.0f, -0.0f, 50.0f, 0.5f, -0.5f, 1e-5f, 0.0001f,
                                  1234567.0f, 4989.167f, 1e-30f};
    for (float value : exactSingles) {
        const std::string text = SingleToText(value);
        EXPECT_EQ(ToSingle(StrictNumber(text)), value) << text;
    }
    const struct { float value; double halfUnit; } roundedSingles[] = {
        {41.555557f, 5e-6}, {12345678.0f, 5}, {FLT_MAX, 5e31}, {-FLT_MAX, 5e31}, {FLT_MIN, 5e-45}};
    for (const auto &[value, halfUnit] : roundedSingles) {
        const std::string text = SingleToText(value);
        EXPECT_LE(std::fabs(StrictNumber(text) - value), halfUnit) << text;
        EXPECT_EQ(SingleToText(ToSingle(StrictNumber(text))), text);
    }
    const double exactDoubles[] = {0.0, -0.0, 1234.56789, 3000000000.0, 1e-5, -0.3333,
                                   0.123456789012345, 1e300, -1e-300};
    for (double value : exactDoubles) {
        const std::string text = DoubleToText(value);
        EXPECT_EQ(StrictNumber(text), value) << text;
    }
    const struct { double value; double halfUnit; } roundedDoubles[] = {
        {0.30000000000000004, 5e-16}, {2.718281828459045, 5e-15}, {-1.2345678901234567e200, 5e185}};
    for (const auto &[value, halfUnit] : roundedDoubles) {
        const std::string text = DoubleToText(value);
        EXPECT_LE(std::fabs(StrictNumber(text) - value), halfUnit) << text;
        EXPECT_EQ(DoubleToText(StrictNumber(text)), text);
    }
}


struct SingleTextRow {
    const char *name;
    float value;
    const char *text;
};

class SingleToTextTest : public testing::TestWithParam<SingleTextRow> {};

TEST_P(SingleToTextTest, WritesUpToSevenDigits) {
    EXPECT_EQ(SingleToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, SingleToTextTest, testing::Values(
    SingleTextRow{"WholeNumberHasNoPoint", 50.0f, "50"},
    SingleTextRow{"KeepsLeadingZero", 0.5f, "0.5"},
    SingleTextRow{"NegativeFraction", -0.5f, "-0.5"},
    SingleTextRow{"EightDigitsUseExponent", 12345678.0f, "1.234568E+07"},
    SingleTextRow{"TinyUsesExponent", 1e-5f, "1E-05"},
    SingleTextRow{"TenThousandthIsPlain", 0.0001f, "0.0001"},
    SingleTextRow{"RoundsToSevenDigits", 41.555557f, "41.55556"},
    SingleTextRow{"SevenDigitWhole", 1234567.0f, "1234567"},
    SingleTextRow{"NegativeZeroHasNoSign", -0.0f, "0"}),
    CaseName{});

struct DoubleTextRow {
    const char *name;
    double value;
    const char *text;
};

class DoubleToTextTest : public testing::TestWithParam<DoubleTextRow> {};

TEST_P(DoubleToTextTest, WritesUpToFifteenDigits) {
    EXPECT_EQ(DoubleToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, DoubleToTextTest, testing::Values(
    DoubleTextRow{"NineSignificantDigits", 1234.56789, "1234.56789"},
    DoubleTextRow{"TenDigitWhole", 3000000000.0, "3000000000"},
    DoubleTextRow{"TinyUsesExponent", 1e-5, "1E-05"},
    DoubleTextRow{"TenThousandthIsPlain", 0.0001, "0.0001"},
    DoubleTextRow{"BinaryNoiseIsRoundedAway", 0.1 + 0.2, "0.3"},
    DoubleTextRow{"NegativeZeroHasNoSign", -0.0, "0"}),
    CaseName{});

TEST(SingleAsShownTest, IsWhatTheSingleTextReadsBackAs) {
    std::mt19937 random(11);
    std::uniform_int_distribution<std::uint32_t> bits;
    std::uniform_real_distribution<float> sides(0.0f, 20000.0f);
    for (int i = 0; i < 200000; ++i) {
        float value = sides(random);
        if (i % 2 == 0) {
            const std::uint32_t pattern = bits(random);
            std::memcpy(&value, &pattern, sizeof value);
            if (!std::isfinite(value))
                continue;
        }
        const double shown = ReadNumber(SingleToText(value));
        ASSERT_EQ(SingleAsShown(value), shown) << SingleToText(value);
    }
    for (float value : {0.0f, -0.0f, 1e-4f, 9999999.0f, 9999999.5f, 1e7f, 0.1f, 7.875f})
        EXPECT_EQ(SingleAsShown(value), ReadNumber(SingleToText(value))) << value;
}

TEST(DoubleToTextTest, RefusesAValueThatIsNotFinite) {
    EXPECT_THROW(DoubleToText(Inf), RunTimeError);
    EXPECT_THROW(DoubleToText(-Inf), RunTimeError);
    EXPECT_THROW(DoubleToText(NaN), RunTimeError);
}


struct RoundRow {
    const char *name;
    double value;
    const char *text;
};

class RoundTo4PlacesTest : public testing::TestWithParam<RoundRow> {};

TEST_P(RoundTo4PlacesTest, RoundsTheDecimalAPersonReads) {
    EXPECT_EQ(DoubleToText(RoundTo4Places(GetParam().value)), GetParam().text);
    EXPECT_EQ(FourPlacesText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundTo4PlacesTest, testing::Values(
    RoundRow{"FewerPlacesStay", 562.5, "562.5"},
    RoundRow{"TieJustAboveInBinaryGoesToEvenZero", 0.00005, "0"},
    RoundRow{"TieJustBelowInBinaryGoesToEvenTwo", 0.00015, "0.0002"},
    RoundRow{"TieDownToEven", 0.00025, "0.0002"},
    RoundRow{"NegativeTie", -0.00015, "-0.0002"},
    RoundRow{"TieAfterWholeNumber", 1.00005, "1"},
    RoundRow{"OrdinaryRoundUp", 29.04509442628674, "29.0451"},
    RoundRow{"SmallNegativeShowsPlainZero", -0.0000024, "0"}),
    CaseName{});

double Read(const std::string &text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The rule worked out on printf's 15 digits: their decimal rounded at the
// 4th place, a half to the even digit.
double RoundedBy15Digits(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", value);
    const std::string printed(text);
    const bool negative = printed.front() == '-';
    std::string digits;
    for (char c : printed.substr(0, printed.find('e')))
        if (c >= '0' && c <= '9')
            digits += c;
    const int exponent = std::stoi(printed.substr(printed.find('e') + 1));
    // Digits before the 4th place: exponent + 1 whole digits and 4 decimals.
    const int kept = exponent + 5;
    if (kept <= 0)
        return 0.0;
    std::string result = digits.substr(0, static_cast<std::size_t>(kept));
    const std::string dropped = digits.substr(static_cast<std::size_t>(kept));
    const bool half = !dropped.empty() && dropped[0] == '5'
        && dropped.find_first_not_of('0', 1) == std::string::npos;
    const bool up = !dropped.empty()
        && (dropped[0] > '5' || (dropped[0] == '5' && !half) || (half && (result.back() - '0') % 2));
    double rounded = Read(result + "e-4");
    if (up)
        rounded = Read(std::to_string(std::stoll(result) + 1) + "e-4");
    return rounded == 0.0 ? 0.0 : (negative ? -rounded : rounded);
}

TEST(RoundTo4PlacesTest, AgreesWithTheRuleOnPrintfsDigits) {
    std::mt19937_64 random(4);
    std::uniform_real_distribution<double> area(0.0, 20000.0);
    std::uniform_int_distribution<long long> unit(0, 100000000);
    for (int i = 0; i < 200000; ++i) {
        double value = area(random);
        // Halves of the 4th place and their neighbours, one bit either side.
        if (i % 2) {
            value = (static_cast<double>(unit(random)) + 0.5) / 1e4;
            value = i % 3 == 0 ? std::nextafter(value, 0.0)
                : i % 3 == 1   ? std::nextafter(value, 1e9)
                               : value;
        }
        ASSERT_EQ(RoundTo4Places(value), RoundedBy15Digits(value)) << std::hexfloat << value;
        ASSERT_EQ(RoundTo4Places(-value), RoundedBy15Digits(-value)) << std::hexfloat << value;
        ASSERT_EQ(FourPlacesText(value), DoubleToText(RoundedBy15Digits(value)))
            << std::hexfloat << value;
    }
}

TEST(RoundTo4PlacesTest, SmallNegativeBecomesZero) {
    EXPECT_EQ(RoundTo4Places(-0.0000024), 0.0);
}


TEST(ToSingleTest, RoundsToNearestWithinRange) {
    EXPECT_EQ(ToSingle(0.1), 0.1f);
    EXPECT_EQ(ToSingle(double{FLT_MAX}), FLT_MAX);
    // Just below the halfway point between FLT_MAX and 2^128: rounds down to FLT_MAX.
    EXPECT_EQ(ToSingle(std::nextafter(0x1.ffffffp127, 0.0)), FLT_MAX);
    EXPECT_EQ(ToSingle(-std::nextafter(0x1.ffffffp127, 0.0)), -FLT_MAX);
    EXPECT_EQ(ToSingle(1e-46), 0.0f); // below the smallest single: zero, not an error
}

TEST(ToSingleTest, RefusesWhatLeavesTheSingleRange) {
    EXPECT_THROW(ToSingle(0x1.ffffffp127), RunTimeError); // the halfway point rounds up
    EXPECT_THROW(ToSingle(-0x1.ffffffp127), RunTimeError);
    EXPECT_THROW(ToSingle(1e39), RunTimeError);
    EXPECT_THROW(ToSingle(Inf), RunTimeError);
    EXPECT_THROW(ToSingle(-Inf), RunTimeError);
    EXPECT_THROW(ToSingle(NaN), RunTimeError);
}

TEST(ToInt32Test, RoundsHalvesToEven) {
    EXPECT_EQ(ToInt32(2.5), 2);
    EXPECT_EQ(ToInt32(3.5), 4);
    EXPECT_EQ(ToInt32(-2.5), -2);
    EXPECT_EQ(ToInt32(159.5), 160);
    EXPECT_EQ(ToInt32(2147483647.4), INT32_MAX);
    EXPECT_EQ(ToInt32(-2147483648.5), INT32_MIN);
}

TEST(ToInt32Test, RefusesWhatLeavesTheIntegerRange) {
    EXPECT_THROW(ToInt32(2147483647.5), RunTimeError); // even neighbour 2147483648
    EXPECT_THROW(ToInt32(-2147483649.0), RunTimeError);
    EXPECT_THROW(ToInt32(3e9), RunTimeError);
    EXPECT_THROW(ToInt32(Inf), RunTimeError);
    EXPECT_THROW(ToInt32(NaN), RunTimeError);
}

// printf's %G with 7 and 15 digits is the number-to-text rule itself: the
// texts must agree with it for values of every size, the nearly halfway
// ones that only an exact rounding gets right among them.
TEST(NumberToTextTest, AgreesWithPrintfForManyValues) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> power(-40, 40);
    char expected[64];
    for (int i = 0; i < 200000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, power(random));
        if (value == 0.0)
            continue;
        std::snprintf(expected, sizeof expected, "%.15G", value);
        ASSERT_EQ(DoubleToText(value), expected) << std::hexfloat << value;
        if (std::fabs(value) > 3e38 || std::fabs(value) < 1e-37)
            continue;
        const auto single = static_cast<float>(value);
        std::snprintf(expected, sizeof expected, "%.7G", static_cast<double>(single));
        ASSERT_EQ(SingleToText(single), expected) << std::hexfloat << single;
    }
    // Just below a power of ten, and halfway in the 7th digit.
    for (const float single : { 9999999.0f, 0.99999994f, 8.5000005f, 1.0000001f, 9.999999e-5f }) {
        std::snprintf(expected, sizeof expected, "%.7G", static_cast<double>(single));
        EXPECT_EQ(SingleToText(single), expected);
    }
}

// Short decimals, the figures of most answers, are read and written on a
// quicker road; printf and from_chars still say what each must give.
TEST(NumberToTextTest, TextsWrittenAsTypedAreTheRulesOwn) {
    for (const char *text : { "2500", "-41.25", "0.0001", "0", "999999999999999",
             "0.120564951273346" }) {
        EXPECT_TRUE(IsWrittenAsTyped(text)) << text;
        EXPECT_EQ(DoubleToText(ReadNumber(text)), text);
    }
    for (const char *text : { "007", "1.50", "-0", "0.00001", "1e5", "5.", ".5", "", "-",
             "1000000000000000", "0.1205649512733461", "12 ", "1.5E+15" })
        EXPECT_FALSE(IsWrittenAsTyped(text)) << text;
}

TEST(NumberToTextTest, AgreesWithPrintfForShortDecimals) {
    std::mt19937_64 random(20261209);
    std::uniform_int_distribution<int> digits(1, 17);
    std::uniform_int_distribution<int> places(0, 20);
    char expected[64];
    for (int i = 0; i < 300000; ++i) {
        const int count = digits(random);
        std::string text = i % 2 ? "-" : "";
        for (int d = 0; d < count; ++d)
            text += static_cast<char>('0' + random() % 10);
        const int point = places(random);
        if (point < count)
            text.insert(text.size() - static_cast<std::size_t>(point), ".");
        double read = 0;
        std::from_chars(text.data(), text.data() + text.size(), read);
        ASSERT_EQ(ReadNumber(text), read) << text;
        ASSERT_EQ(StrictNumber(text), read) << text;
        if (read == 0.0)
            continue;
        std::snprintf(expected, sizeof expected, "%.15G", read);
        ASSERT_EQ(DoubleToText(read), expected) << text;
        ASSERT_EQ(IsWrittenAsTyped(text), text == expected) << text;
        if (count <= 15 && point <= 22) {
            const long long units = std::stoll(std::string(text).erase(
                std::min(text.find('.'), text.size()), text.find('.') == std::string::npos ? 0 : 1));
            ASSERT_EQ(DecimalText(units, point < count ? point : 0), expected) << text;
        }
        const auto single = static_cast<float>(read);
        if (std::fabs(read) > 3e38 || single == 0.0f)
            continue;
        std::snprintf(expected, sizeof expected, "%.7G", static_cast<double>(single));
        ASSERT_EQ(SingleToText(single), expected) << text;
    }
    // Halfway in the 7th digit, exactly, and just either side of it.
    for (const double halfway : { 1.0000005, 4000.0025, 0.00012345675, 999999.95 }) {
        for (const float single : { static_cast<float>(halfway),
                 std::nextafter(static_cast<float>(halfway), 0.0f),
                 std::nextafter(static_cast<float>(halfway), 1e9f) }) {
            std::snprintf(expected, sizeof expected, "%.7G", static_cast<double>(single));
            EXPECT_EQ(SingleToText(single), expected) << std::hexfloat << single;
        }
    }
}

TEST(DivideTest, DividesAndRefusesZeroOrOverflow) {
    EXPECT_EQ(Divide(7, 2), 3.5);
    EXPECT_THROW(Divide(1, 0), RunTimeError);
    EXPECT_THROW(Divide(1, -0.0), RunTimeError);
    EXPECT_THROW(Divide(0, 0), RunTimeError);
    EXPECT_THROW(Divide(1e308, 1e-308), RunTimeError);
}

TEST(SquareRootTest, RefusesANegativeArgument) {
    EXPECT_EQ(SquareRoot(2.25), 1.5);
    EXPECT_EQ(SquareRoot(0), 0);
    EXPECT_THROW(SquareRoot(-1), RunTimeError);
}

} // namespace
} // namespace ratedload::rules
