// SPDX-License-Identifier: MIT
// The fallback for a standard library without floating-point from_chars and
// to_chars writes and reads byte for byte what libstdc++'s do.

#include "rules/CharConv.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace ratedload::rules {
namespace {

using Buffer = std::array<char, 512>;

std::string Standard(double value, std::chars_format format, int precision = -1)
{
    Buffer buffer {};
    const auto written = precision < 0
        ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format)
        : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return { buffer.data(), written.ptr };
}

std::string Fallback(double value, std::chars_format format, int precision = -1)
{
    Buffer buffer {};
    const auto written = precision < 0
        ? fallback::WriteShortest(buffer.data(), buffer.data() + buffer.size(), value, format)
        : fallback::WritePrecise(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return { buffer.data(), written.ptr };
}

std::string StandardSingle(float value)
{
    Buffer buffer {};
    return { buffer.data(),
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
            std::chars_format::scientific)
            .ptr };
}

std::string FallbackSingle(float value)
{
    Buffer buffer {};
    return { buffer.data(),
        fallback::WriteShortest(buffer.data(), buffer.data() + buffer.size(), value,
            std::chars_format::scientific)
            .ptr };
}

// Doubles of every size and bit pattern, powers of two (whose neighbours are
// not the same distance away) and short decimals among them.
double Value(std::mt19937_64 &random, int i)
{
    switch (i % 4) {
    case 0: {
        double value = std::bit_cast<double>(random());
        return std::isfinite(value) ? value : 1.0;
    }
    case 1:
        return std::ldexp(1.0, static_cast<int>(random() % 2000) - 1000);
    case 2:
        return static_cast<double>(random() % 100000000) / std::pow(10.0, random() % 12);
    default:
        return std::uniform_real_distribution<double>(-1e5, 1e5)(random);
    }
}

TEST(CharConvTest, TheFallbackWritesWhatTheStandardLibraryWrites)
{
    std::mt19937_64 random(21);
    for (int i = 0; i < 100000; ++i) {
        const double value = Value(random, i);
        ASSERT_EQ(Fallback(value, std::chars_format::scientific),
            Standard(value, std::chars_format::scientific))
            << std::hexfloat << value;
        ASSERT_EQ(Fallback(value, std::chars_format::scientific, 14),
            Standard(value, std::chars_format::scientific, 14))
            << std::hexfloat << value;
        if (std::fabs(value) < 1e15) {
            ASSERT_EQ(Fallback(value, std::chars_format::fixed, 2),
                Standard(value, std::chars_format::fixed, 2))
                << std::hexfloat << value;
        }
        const float single = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (std::isfinite(single)) {
            ASSERT_EQ(FallbackSingle(single), StandardSingle(single)) << std::hexfloat << single;
        }
    }
}

TEST(CharConvTest, TheFallbackReadsWhatTheStandardLibraryReads)
{
    std::mt19937_64 random(22);
    for (int i = 0; i < 100000; ++i) {
        const std::string text = i % 3 == 0 ? Standard(Value(random, i), std::chars_format::scientific)
            : i % 3 == 1 ? std::to_string(random() % 100000) + "." + std::to_string(random() % 1000)
                         : std::to_string(random() % 10) + "e" + std::to_string(
                               static_cast<int>(random() % 700) - 350);
        double standard = -1.0;
        double fallen = -1.0;
        const auto expected = std::from_chars(text.data(), text.data() + text.size(), standard);
        const auto read = fallback::ReadDouble(text.data(), text.data() + text.size(), fallen);
        ASSERT_EQ(read.ec, expected.ec) << text;
        ASSERT_EQ(read.ptr, expected.ptr) << text;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(fallen), std::bit_cast<std::uint64_t>(standard))
            << text;
    }
    for (const char *text : { "", "-", ".", "x", "1e", "-.5", "0.000", "1e400", "1e-400", "4e-320" }) {
        double standard = -1.0;
        double fallen = -1.0;
        const std::string_view view(text);
        const auto expected = std::from_chars(view.data(), view.data() + view.size(), standard);
        const auto read = fallback::ReadDouble(view.data(), view.data() + view.size(), fallen);
        EXPECT_EQ(read.ec, expected.ec) << text;
        EXPECT_EQ(read.ptr, expected.ptr) << text;
        EXPECT_EQ(fallen, standard) << text;
    }
}

} // namespace
} // namespace ratedload::rules
