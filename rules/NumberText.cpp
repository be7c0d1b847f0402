// SPDX-License-Identifier: MIT
#include "rules/NumberText.h"

#include "rules/RunTimeError.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace ratedload::rules {

namespace {

bool IsSkippedBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A number taken apart into what from_chars can read: the digits of the
// mantissa with at most one point, and the decimal exponent.
struct DecimalParts {
    bool negative = false;
    std::string mantissa; // digits and at most one '.', at least one digit
    std::string exponent; // optional sign and digits, or empty
};

// The power of ten of the leading digit of the mantissa and exponent
// together, saturated far beyond double's range; only its sign and size matter.
long long DecimalOrder(const DecimalParts &parts)
{
    constexpr long long kFar = 1'000'000;
    const std::string &m = parts.mantissa;
    const std::size_t point = std::min(m.find('.'), m.size());
    const std::size_t leading = m.find_first_of("123456789");
    long long order = leading < point ? static_cast<long long>(point - leading) - 1
                                      : -static_cast<long long>(leading - point);
    long long exponent = 0;
    for (char c : parts.exponent) {
        if (IsDigit(c))
            exponent = std::min(exponent * 10 + (c - '0'), kFar);
    }
    if (!parts.exponent.empty() && parts.exponent.front() == '-')
        exponent = -exponent;
    return order + exponent;
}

// Reads the parts as a double. A number beyond double's range becomes an
// infinity of its sign, one too small for it becomes zero.
double ValueOf(const DecimalParts &parts)
{
    if (parts.mantissa.find_first_of("123456789") == std::string::npos)
        return parts.negative ? -0.0 : 0.0;
    std::string text = parts.mantissa;
    if (!parts.exponent.empty())
        text += 'e' + parts.exponent;
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = DecimalOrder(parts) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return parts.negative ? -value : value;
}

// Scans a number from the start of the text: an optional sign, digits with at
// most one point, and an exponent (E or D) when a digit follows it. Returns
// the length scanned, 0 when the text does not begin with a number.
std::size_t ScanNumber(std::string_view text, DecimalParts &parts)
{
    std::size_t pos = 0;
    auto at = [&text](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
    if (at(pos) == '+' || at(pos) == '-') {
        parts.negative = at(pos) == '-';
        ++pos;
    }
    bool digits = false;
    bool point = false;
    for (char c = at(pos); IsDigit(c) || (c == '.' && !point); c = at(++pos)) {
        point = point || c == '.';
        digits = digits || c != '.';
        parts.mantissa += c;
    }
    if (!digits)
        return 0;
    const char e = at(pos);
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        std::size_t end = pos + 1;
        if (at(end) == '+' || at(end) == '-')
            ++end;
        const std::size_t firstDigit = end;
        while (IsDigit(at(end)))
            ++end;
        if (end > firstDigit) {
            parts.exponent = std::string(text.substr(pos + 1, end - pos - 1));
            pos = end;
        }
    }
    return pos;
}

std::string ToText(double value, int significantDigits)
{
    if (value == 0.0)
        return "0"; // also for -0
    std::array<char, 64> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
        std::chars_format::general, significantDigits);
    std::string text(buffer.data(), result.ptr);
    for (char &c : text) {
        if (c == 'e')
            c = 'E';
    }
    if (text == "-0")
        return "0";
    return text;
}

} // namespace

double ReadNumber(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!IsSkippedBlank(c))
            compact += c;
    }
    DecimalParts parts;
    if (ScanNumber(compact, parts) == 0)
        return 0.0;
    return ValueOf(parts);
}

double StrictNumber(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    const std::string_view body = first == std::string_view::npos
        ? std::string_view()
        : text.substr(first, last - first + 1);
    DecimalParts parts;
    if (body.empty() || ScanNumber(body, parts) != body.size())
        throw RunTimeError("type mismatch: not a number");
    const double value = ValueOf(parts);
    if (std::isinf(value))
        throw RunTimeError("overflow: number beyond the range of double precision");
    return value;
}

std::string SingleToText(float value)
{
    return ToText(value, 7);
}

std::string DoubleToText(double value)
{
    if (!std::isfinite(value))
        throw RunTimeError("overflow: value beyond the range of double precision");
    return ToText(value, 15);
}

double RoundTo4Places(double value)
{
    if (!std::isfinite(value))
        throw RunTimeError("overflow: value beyond the range of double precision");
    // The 15 significant digits of the value, as d.dddddddddddddde±x.
    std::array<char, 64> buffer {};
    const auto written = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, 14);
    const std::string_view text(buffer.data(), written.ptr - buffer.data());
    const std::size_t ePos = text.find('e');
    int exponent = 0;
    std::from_chars(
        text.data() + ePos + 1 + (text[ePos + 1] == '+' ? 1 : 0), written.ptr, exponent);
    const bool negative = text.front() == '-';
    std::string digits; // the 15 digits without point and sign
    for (char c : text.substr(0, ePos)) {
        if (IsDigit(c))
            digits += c;
    }
    // Digits kept: those down to the fourth decimal place.
    const int kept = exponent + 1 + 4;
    if (kept >= static_cast<int>(digits.size()))
        return value == 0.0 ? 0.0 : value;
    std::string rounded = kept > 0 ? digits.substr(0, kept) : std::string();
    const std::string_view dropped = std::string_view(digits).substr(kept > 0 ? kept : 0);
    // The dropped digits compare with a half: above, below or a tie.
    int versusHalf = 0;
    if (kept < 0) {
        versusHalf = -1; // even the first dropped digit lies beyond the first place after the half
    } else if (dropped.front() > '5') {
        versusHalf = 1;
    } else if (dropped.front() < '5') {
        versusHalf = -1;
    } else {
        versusHalf = dropped.find_first_not_of('0', 1) == std::string_view::npos ? 0 : 1;
    }
    const bool lastIsOdd = !rounded.empty() && ((rounded.back() - '0') % 2 == 1);
    bool up = versusHalf > 0 || (versusHalf == 0 && lastIsOdd);
    // kept == 0 with a tie: the kept part is zero, which is even.
    std::string result = rounded.empty() ? std::string("0") : rounded;
    if (up) {
        int i = static_cast<int>(result.size()) - 1;
        while (i >= 0 && result[i] == '9') {
            result[i] = '0';
            --i;
        }
        if (i < 0)
            result.insert(result.begin(), '1');
        else
            ++result[i];
    }
    // The result digits are a whole number of ten-thousandths.
    const std::string scaled = result + "e-4";
    double magnitude = 0.0;
    std::from_chars(scaled.data(), scaled.data() + scaled.size(), magnitude);
    if (magnitude == 0.0)
        return 0.0;
    return negative ? -magnitude : magnitude;
}

} // namespace ratedload::rules
