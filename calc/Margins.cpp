// SPDX-License-Identifier: MIT
#include "calc/Margins.h"

#include "rules/CharConv.h"
#include "rules/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace ratedload::calc {

namespace {

using rules::kExactPowersOfTen;

// Whole numbers of at most 15 digits.
constexpr long long kFifteenDigits = 1'000'000'000'000'000;

// Longer than any double in fixed notation with kMostPlaces decimals.
using Buffer = std::array<char, 512>;
constexpr int kMostPlaces = 100;

// The decimal places of the shortest text that reads back as the value.
int ShortestPlaces(double value)
{
    Buffer buffer {};
    const auto written = rules::WriteShortest(
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

// The value rounded to `places`, 0 to 4, as a whole number of units of the
// last place, where the value times 10^places lies well away from a half:
// there its error (below 10^-7 for these magnitudes) cannot move the
// rounding. Most values are such; nothing for the others.
std::optional<long long> RoundedUnits(double value, int places)
{
    if (places < 0 || places > 4)
        return std::nullopt;
    const double scaled = value * kExactPowersOfTen[static_cast<std::size_t>(places)];
    const double whole = std::nearbyint(scaled);
    if (std::fabs(scaled) < 1e9 && std::fabs(scaled - whole) < 0.5 - 1e-6)
        return static_cast<long long>(whole);
    return std::nullopt;
}

// Rounds to a number of decimal places through its decimal text. A value
// whose shortest text has no more places comes back as it is: any text of
// those places that is nearer reads back as the same double.
double Rounded(double value, int places)
{
    // The whole number of units, over 10^places, is the double nearest to
    // the rounded decimal, and also the value itself where that has no more
    // places.
    if (const std::optional<long long> units = RoundedUnits(value, places))
        return *units == 0
            ? std::copysign(0.0, value)
            : static_cast<double>(*units) / kExactPowersOfTen[static_cast<std::size_t>(places)];
    if (value == 0.0 || ShortestPlaces(value) <= places)
        return value;
    Buffer buffer {};
    const auto written = rules::WritePrecise(buffer.data(), buffer.data() + buffer.size(), value,
        std::chars_format::fixed, std::clamp(places, 0, kMostPlaces));
    double rounded = value;
    rules::ReadDouble(buffer.data(), written.ptr, rounded);
    return rounded;
}

// A number text of the plain form -ddd.ddd as the whole number of its
// digits and the places after its point; nothing for other forms or more
// digits than a 64-bit integer holds exactly.
struct PlainDecimal {
    long long units = 0;
    int places = 0;
    int digits = 0;
};

constexpr int kMostDigits = 17;

std::optional<PlainDecimal> PlainDecimalOf(std::string_view text)
{
    bool negative = false;
    std::size_t pos = 0;
    if (pos < text.size() && text[pos] == '-') {
        negative = true;
        ++pos;
    }
    PlainDecimal plain;
    int decimals = -1; // digits after the point, once there is one
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9' || ++plain.digits > kMostDigits)
            return std::nullopt;
        plain.units = plain.units * 10 + (c - '0');
        if (decimals >= 0)
            ++decimals;
    }
    if (plain.digits == 0)
        return std::nullopt;
    plain.places = decimals < 0 ? 0 : decimals;
    if (negative)
        plain.units = -plain.units;
    return plain;
}

// The decimal as a whole number of units of its `places`th decimal place,
// at least its own; nothing where that takes more digits than a 64-bit
// integer holds exactly.
std::optional<long long> InUnits(PlainDecimal plain, int places)
{
    for (; plain.places < places; ++plain.places) {
        if (++plain.digits > kMostDigits)
            return std::nullopt;
        plain.units *= 10;
    }
    return plain.units;
}

// A number text as its decimal digits and the power of ten of the last one.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Decimal DecimalOf(std::string_view text)
{
    Decimal decimal;
    const std::size_t e = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, e);
    bool point = false;
    for (char c : mantissa) {
        if (c == '-')
            decimal.negative = true;
        else if (c == '.')
            point = true;
        else if (c >= '0' && c <= '9') {
            decimal.digits += c;
            decimal.exponent -= point ? 1 : 0;
        }
    }
    if (e != std::string_view::npos) {
        std::string_view power = text.substr(e + 1);
        if (!power.empty() && power.front() == '+')
            power.remove_prefix(1);
        int exponent = 0;
        std::from_chars(power.data(), power.data() + power.size(), exponent);
        decimal.exponent += exponent;
    }
    return decimal;
}

// The digits times a small whole number, exactly.
std::string Times(const std::string &digits, int factor)
{
    std::string product(digits.size(), '0');
    int carry = 0;
    for (std::size_t i = digits.size(); i-- > 0;) {
        const int value = (digits[i] - '0') * factor + carry;
        product[i] = static_cast<char>('0' + value % 10);
        carry = value / 10;
    }
    return carry == 0 ? product : std::to_string(carry) + product;
}

} // namespace

std::string WithAllowance(std::string_view maximumArea)
{
    constexpr int kPercent = 105;
    constexpr int kPlaces = 4;
    constexpr std::size_t kSignificant = 15;
    // Most areas are short decimals, worked out as whole numbers of their
    // last place: 105 % is two places more, dropped to the 4th.
    if (const std::optional<PlainDecimal> area = PlainDecimalOf(maximumArea);
        area && std::llabs(area->units) < kFifteenDigits) {
        long long limit = area->units * kPercent;
        int limitPlaces = area->places + 2;
        for (; limitPlaces > kPlaces; --limitPlaces)
            limit /= 10;
        if (std::llabs(limit) < kFifteenDigits)
            return rules::DecimalText(limit, limitPlaces);
    }
    Decimal limit = DecimalOf(maximumArea);
    limit.digits = Times(limit.digits, kPercent);
    limit.exponent -= 2;
    const std::size_t leading = std::min(limit.digits.find_first_not_of('0'), limit.digits.size());
    limit.digits.erase(0, leading);
    // Digits beyond the 4th place, or beyond the 15th significant one, are
    // dropped towards zero: down, for an area.
    std::size_t drop = static_cast<std::size_t>(std::max(0, -kPlaces - limit.exponent));
    if (limit.digits.size() > kSignificant)
        drop = std::max(drop, limit.digits.size() - kSignificant);
    drop = std::min(drop, limit.digits.size());
    limit.digits.resize(limit.digits.size() - drop);
    limit.exponent += static_cast<int>(drop);
    if (limit.digits.empty())
        return "0";
    const std::string text = limit.digits + "e" + std::to_string(limit.exponent);
    double value = 0.0;
    rules::ReadDouble(text.data(), text.data() + text.size(), value);
    return rules::DoubleToText(limit.negative ? -value : value);
}

int DecimalPlaces(std::string_view numberText)
{
    const auto isExponent = [](char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; };
    const std::size_t e = static_cast<std::size_t>(
        std::find_if(numberText.begin(), numberText.end(), isExponent) - numberText.begin());
    const std::string_view mantissa = numberText.substr(0, e);
    const std::size_t point = mantissa.find('.');
    int places
        = point == std::string_view::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    if (e < numberText.size()) {
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
    // Two plain decimals differ by a decimal of the finer places, worked out
    // exactly.
    const std::optional<PlainDecimal> plainA = PlainDecimalOf(a);
    const std::optional<PlainDecimal> plainB = PlainDecimalOf(b);
    const int places = plainA && plainB ? std::max(plainA->places, plainB->places)
                                        : std::max(DecimalPlaces(a), DecimalPlaces(b));
    const std::optional<long long> first = plainA ? InUnits(*plainA, places) : std::nullopt;
    const std::optional<long long> second = plainB ? InUnits(*plainB, places) : std::nullopt;
    if (first && second) {
        // The whole number of units and 10^places are both exact where they
        // fit: the quotient is the double nearest to the decimal.
        constexpr long long kExact = 1LL << 53;
        const long long units = *first - *second;
        if (places < static_cast<int>(kExactPowersOfTen.size()) && units > -kFifteenDigits
            && units < kFifteenDigits)
            return rules::DecimalText(units, places);
        if (places < static_cast<int>(kExactPowersOfTen.size()) && units > -kExact
            && units < kExact)
            return rules::DoubleToText(
                static_cast<double>(units) / kExactPowersOfTen[static_cast<std::size_t>(places)]);
        const std::string exact = std::to_string(units) + "e-" + std::to_string(places);
        double difference = 0.0;
        rules::ReadDouble(exact.data(), exact.data() + exact.size(), difference);
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
    constexpr int kPlaces = 2;
    if (const std::optional<long long> units = RoundedUnits(share, kPlaces); units && *units != 0)
        return rules::DecimalText(*units, kPlaces);
    const double rounded = Rounded(share, kPlaces);
    if (rounded != 0.0 || share == 0.0)
        return rules::DoubleToText(rounded);
    Buffer buffer {};
    const auto written = rules::WritePrecise(
        buffer.data(), buffer.data() + buffer.size(), share, std::chars_format::scientific, 1);
    double significant = share;
    rules::ReadDouble(buffer.data(), written.ptr, significant);
    return rules::DoubleToText(significant);
}

} // namespace ratedload::calc
