// SPDX-License-Identifier: MIT
#include "calc/Margins.h"

#include "rules/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

namespace ratedload::calc {

namespace {

// Longer than any double in fixed notation with kMostPlaces decimals.
using Buffer = std::array<char, 512>;
constexpr int kMostPlaces = 100;

// The decimal places of the shortest text that reads back as the value.
int ShortestPlaces(double value)
{
    Buffer buffer {};
    const auto written = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific);
    const std::string_view text(buffer.data(), written.ptr - buffer.data());
    const std::size_t e = text.find('e');
    int digits = 0;
    for (char c : text.substr(0, e))
        digits += c >= '0' && c <= '9' ? 1 : 0;
    int exponent = 0;
    std::string_view power = text.substr(e + 1);
    if (power.front() == '+')
        power.remove_prefix(1);
    std::from_chars(power.data(), power.data() + power.size(), exponent);
    return digits - 1 - exponent;
}

// Rounds to a number of decimal places through its decimal text. A value
// whose shortest text has no more places comes back as it is: any text of
// those places that is nearer reads back as the same double.
double Rounded(double value, int places)
{
    if (value == 0.0 || ShortestPlaces(value) <= places)
        return value;
    Buffer buffer {};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
        std::chars_format::fixed, std::clamp(places, 0, kMostPlaces));
    double rounded = value;
    std::from_chars(buffer.data(), written.ptr, rounded);
    return rounded;
}

// A number text of the plain form -ddd.ddd as a whole number of units of
// its `places`th decimal place; nothing for other forms or more digits than
// a 64-bit integer holds exactly.
std::optional<long long> InUnitsOf(std::string_view text, int places)
{
    constexpr int kMostDigits = 17;
    bool negative = false;
    std::size_t pos = 0;
    if (pos < text.size() && text[pos] == '-') {
        negative = true;
        ++pos;
    }
    long long units = 0;
    int digits = 0;
    int decimals = -1; // digits after the point, once there is one
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9' || ++digits > kMostDigits)
            return std::nullopt;
        units = units * 10 + (c - '0');
        if (decimals >= 0)
            ++decimals;
    }
    if (digits == 0)
        return std::nullopt;
    for (int place = decimals < 0 ? 0 : decimals; place < places; ++place) {
        if (++digits > kMostDigits)
            return std::nullopt;
        units *= 10;
    }
    return negative ? -units : units;
}

} // namespace

int DecimalPlaces(std::string_view numberText)
{
    const std::size_t e = numberText.find_first_of("eEdD");
    const std::string_view mantissa = numberText.substr(0, e);
    const std::size_t point = mantissa.find('.');
    int places
        = point == std::string_view::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    if (e != std::string_view::npos) {
        std::string_view exponent = numberText.substr(e + 1);
        if (!exponent.empty() && exponent.front() == '+')
            exponent.remove_prefix(1);
        int power = 0;
        std::from_chars(exponent.data(), exponent.data() + exponent.size(), power);
        places -= std::clamp(power, -kMostPlaces, kMostPlaces);
    }
    return std::clamp(places, 0, kMostPlaces);
}

std::string Difference(std::string_view a, std::string_view b)
{
    const int places = std::max(DecimalPlaces(a), DecimalPlaces(b));
    // Two plain decimals differ by a decimal of their places, worked out exactly.
    const std::optional<long long> first = InUnitsOf(a, places);
    const std::optional<long long> second = InUnitsOf(b, places);
    if (first && second) {
        const std::string exact = std::to_string(*first - *second) + "e-" + std::to_string(places);
        double difference = 0.0;
        std::from_chars(exact.data(), exact.data() + exact.size(), difference);
        return rules::DoubleToText(difference);
    }
    const double difference = rules::ReadNumber(a) - rules::ReadNumber(b);
    return rules::DoubleToText(Rounded(rules::ReadNumber(rules::DoubleToText(difference)), places));
}

std::optional<std::string> Percent(std::string_view part, std::string_view whole)
{
    const double base = rules::ReadNumber(whole);
    if (base == 0.0)
        return std::nullopt;
    const double share = rules::ReadNumber(part) / base * 100.0;
    const double rounded = Rounded(share, 2);
    if (rounded != 0.0 || share == 0.0)
        return rules::DoubleToText(rounded);
    Buffer buffer {};
    const auto written = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), share, std::chars_format::scientific, 1);
    double significant = share;
    std::from_chars(buffer.data(), written.ptr, significant);
    return rules::DoubleToText(significant);
}

} // namespace ratedload::calc
