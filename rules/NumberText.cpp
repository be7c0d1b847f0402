// SPDX-License-Identifier: MIT
#include "rules/NumberText.h"

#include "rules/CharConv.h"
#include "rules/RunTimeError.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <system_error>
#include <type_traits>

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
    const auto result = ReadDouble(text.data(), text.data() + text.size(), value);
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

// A value's significant digits rounded to at most `count` of them, without
// trailing zeros, and the power of ten of the first digit.
struct Significant {
    bool negative = false;
    std::array<char, 24> digit {};
    int count = 0;
    int exponent = 0;

    int first = 0; // where the digits start in the array

    std::string_view Digits() const
    {
        return { digit.data() + first, static_cast<std::size_t>(count) };
    }
};

Significant FromScientific(std::string_view text)
{
    Significant significant;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        significant.negative = true;
        ++pos;
    }
    for (; pos < text.size() && text[pos] != 'e'; ++pos) {
        if (IsDigit(text[pos]))
            significant.digit[static_cast<std::size_t>(significant.count++)] = text[pos];
    }
    ++pos; // the 'e'
    if (text[pos] == '+')
        ++pos;
    std::from_chars(text.data() + pos, text.data() + text.size(), significant.exponent);
    while (significant.count > 1
        && significant.digit[static_cast<std::size_t>(significant.count - 1)] == '0')
        --significant.count;
    return significant;
}

// The digits of a number, two at a time from the last, written so that they
// end at `end`; none for 0. Returns where they start.
char *WriteDigits(char *end, std::uint64_t number)
{
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324"
                                     "25262728293031323334353637383940414243444546474849"
                                     "50515253545556575859606162636465666768697071727374"
                                     "75767778798081828384858687888990919293949596979899";
    while (number >= 100) {
        const auto pair = static_cast<std::size_t>(number % 100) * 2;
        number /= 100;
        *--end = kPairs[pair + 1];
        *--end = kPairs[pair];
    }
    if (number >= 10) {
        const auto pair = static_cast<std::size_t>(number) * 2;
        *--end = kPairs[pair + 1];
        *--end = kPairs[pair];
    } else if (number > 0) {
        *--end = static_cast<char>('0' + number);
    }
    return end;
}

// Drops the zeros at the end of a number, at most `most` of them, a few at a
// time: the whole numbers of short decimals at 15 digits end in many. Returns
// how many; 0 keeps its digit.
int DropTrailingZeros(std::uint64_t &number, int most)
{
    int dropped = 0;
    if (number == 0)
        return dropped;
    while (most - dropped >= 8 && number % 100'000'000 == 0) {
        number /= 100'000'000;
        dropped += 8;
    }
    if (most - dropped >= 4 && number % 10'000 == 0) {
        number /= 10'000;
        dropped += 4;
    }
    while (dropped < most && number % 10 == 0) {
        number /= 10;
        ++dropped;
    }
    return dropped;
}

// The significant digits of a whole number below 10^17, and of it divided by
// 10^places: the power of ten of its first digit.
Significant OfWholeNumber(bool negative, std::uint64_t number, int places)
{
    Significant significant;
    significant.negative = negative;
    // Trailing zeros are left out.
    const int zeros = DropTrailingZeros(number, std::numeric_limits<int>::max());
    // The digits into the end of the array.
    char *const end = significant.digit.data() + significant.digit.size();
    char *first = WriteDigits(end, number);
    if (first == end)
        *--first = '0'; // 0 has a digit of its own
    significant.first = static_cast<int>(first - significant.digit.data());
    significant.count = static_cast<int>(end - first);
    significant.exponent = significant.count + zeros - 1 - places;
    return significant;
}

// Most figures are short decimals (41.55556, 3923.574). A double's shortest
// digits are found without the general algorithm where they are at most 15:
// at most one decimal of 15 digits or fewer lies within half a unit of the
// value's last bit, so it is the shortest, and also the value rounded to 15
// digits. Where there is one, it is the whole number nearest to the value
// times the power of ten that gives 15 whole digits (the product's error
// stays below a quarter), over that power: n and 10^places are exact, so the
// quotient is the double nearest to the decimal, and reads back as the
// value exactly when the decimal is that one.
bool ShortDecimalWhole(double value, std::uint64_t &whole, int &places)
{
    constexpr double kLeast = 1e14;
    constexpr double kMost = 1e15; // 15 digits
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-4 && magnitude < kMost))
        return false;
    // The power of ten of the first digit, from the binary exponent: it or
    // one more (log10 2 is a little over 78913 / 2^18).
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int power = static_cast<int>(bits >> 52) - 1023; // a normal number here
    const int first = (power * 78913) >> 18;
    auto scale = static_cast<std::size_t>(14 - first);
    double scaled = magnitude * kExactPowersOfTen[scale];
    if (scaled >= kMost)
        scaled = magnitude * kExactPowersOfTen[--scale];
    else if (scaled < kLeast)
        return false;
    const double nearest = std::nearbyint(scaled);
    if (nearest / kExactPowersOfTen[scale] != magnitude)
        return false;
    whole = static_cast<std::uint64_t>(nearest);
    places = static_cast<int>(scale);
    return true;
}

bool ShortDecimal(double value, Significant &significant)
{
    std::uint64_t whole = 0;
    int places = 0;
    if (!ShortDecimalWhole(value, whole, places))
        return false;
    significant = OfWholeNumber(value < 0, whole, places);
    return true;
}

// The text of whole / 10^places (whole not 0, below 10^17) in the fixed form
// of the general form of %G with `count` digits, written straight from the
// whole number: where the power of ten of its first digit is from -4 to below
// `count`. False elsewhere.
bool FixedText(bool negative, std::uint64_t whole, int places, std::string &text, int count = 15)
{
    // Zeros at the end of the decimal places are not written.
    places -= DropTrailingZeros(whole, places);
    constexpr int kMostPlaces = 17;
    if (places > kMostPlaces)
        return false;
    // The whole part and the digits after the point; divided by a constant
    // for the few places most figures have, which the compiler turns into a
    // multiplication.
    std::uint64_t integer = 0;
    std::uint64_t decimals = 0;
    auto split = [&](std::uint64_t power) {
        integer = whole / power;
        decimals = whole % power;
    };
    switch (places) {
    case 0:
        split(1);
        break;
    case 1:
        split(10);
        break;
    case 2:
        split(100);
        break;
    case 3:
        split(1'000);
        break;
    case 4:
        split(10'000);
        break;
    default: {
        std::uint64_t power = 1;
        for (int i = 0; i < places; ++i)
            power *= 10;
        split(power);
    }
    }
    // From the last digit: those after the point, the point, the whole part;
    // and the power of ten of the first digit.
    std::array<char, 48> buffer;
    char *const end = buffer.data() + buffer.size();
    char *at = end;
    int exponent = 0;
    if (places > 0) {
        at = WriteDigits(at, decimals);
        if (integer == 0)
            exponent = static_cast<int>(end - at) - 1 - places;
        while (end - at < places)
            *--at = '0';
        *--at = '.';
    }
    char *const integerEnd = at;
    at = WriteDigits(at, integer);
    if (integer == 0)
        *--at = '0';
    else
        exponent = static_cast<int>(integerEnd - at) - 1;
    constexpr int kLeast = -4;
    if (exponent < kLeast || exponent >= count)
        return false;
    if (negative)
        *--at = '-';
    text.assign(at, end);
    return true;
}

// A float's 7 significant digits as a whole number and the decimal places
// it stands for (the float is about whole / 10^places), where the fixed form
// shows them. Exact: the float times the power of ten that gives 7 whole
// digits has at most 24 + 24 bits (5^10 < 2^24), so the product is exact in
// double, and rounding it to the nearest whole number, halves to even, is
// the rounding. `places` is -1 for a float that rounds up to 10^7.
bool SevenDigitsWhole(float value, std::uint64_t &digits, int &places)
{
    constexpr double kLeast = 1e6;
    constexpr double kMost = 1e7;
    const double magnitude = std::fabs(static_cast<double>(value));
    if (!(magnitude >= 1e-4 && magnitude < kMost))
        return false;
    // The power of ten of the first digit, from -4 to 6, near enough: the
    // whole number is checked below to have 7 digits.
    int first = 6;
    while (first > -4 && magnitude < kExactPowersOfTen[static_cast<std::size_t>(first + 4)] * 1e-4)
        --first;
    places = 6 - first;
    double scaled = magnitude * kExactPowersOfTen[static_cast<std::size_t>(places)];
    while (scaled >= kMost && places > 0)
        scaled = magnitude * kExactPowersOfTen[static_cast<std::size_t>(--places)];
    while (scaled < kLeast && places < 10)
        scaled = magnitude * kExactPowersOfTen[static_cast<std::size_t>(++places)];
    if (scaled < kLeast || scaled >= kMost)
        return false;
    double whole = std::nearbyint(scaled);
    // 9999999.5 rounds up to 10^7: one digit fewer after the point.
    if (whole == kMost) {
        whole = kLeast;
        --places;
    }
    digits = static_cast<std::uint64_t>(whole);
    return true;
}

// A float rounded to 7 significant digits, exactly, where the fixed form
// shows it.
bool SevenDigits(float value, Significant &significant)
{
    std::uint64_t digits = 0;
    int places = 0;
    if (!SevenDigitsWhole(value, digits, places))
        return false;
    significant = OfWholeNumber(value < 0, digits, places);
    return true;
}

// The shortest digits that read back as a double are also the double
// rounded to 15 digits when there are no more than 15 of them: its distance
// to them, half a unit of its last bit at most (2^-53 of it), stays below
// half a unit of the 15th digit. A float's last bit (2^-24 of it) can reach
// beyond half a unit of its 7th digit, so for a float they stand for its
// rounding only where they are its exact value. The rest needs the exact
// rounding, which costs many times more.
template <class Number> Significant SignificantDigits(Number value, int count)
{
    Significant fast;
    if constexpr (std::is_same_v<Number, float>) {
        if (count == 7 && SevenDigits(value, fast))
            return fast;
    } else {
        if (count == 15 && ShortDecimal(value, fast))
            return fast;
    }
    std::array<char, 64> buffer {};
    char *const first = buffer.data();
    char *const last = buffer.data() + buffer.size();
    const char *const shortest
        = WriteShortest(first, last, value, std::chars_format::scientific).ptr;
    Significant significant
        = FromScientific(std::string_view(first, static_cast<std::size_t>(shortest - first)));
    bool shortestWillDo = significant.count <= count;
    if constexpr (std::is_same_v<Number, float>) {
        double exact = 0.0;
        ReadDouble(first, shortest, exact);
        shortestWillDo = shortestWillDo && exact == static_cast<double>(value);
    }
    if (!shortestWillDo)
        significant = FromScientific(std::string_view(first,
            static_cast<std::size_t>(WritePrecise(first, last, static_cast<double>(value),
                                         std::chars_format::scientific, count - 1)
                                         .ptr
                - first)));
    return significant;
}

// The general form of printf's %G for significant digits: fixed from 1E-04
// to below 10^count, exponent form with at least two exponent digits
// outside. Written into a buffer first, so that the text is made once.
std::string TextOf(const Significant &significant, int count)
{
    const std::string_view digits = significant.Digits();
    const int exponent = significant.exponent;
    // The sign, 24 digits, a point, 4 zeros after it or an exponent of 3 digits.
    std::array<char, 40> buffer {};
    char *out = buffer.data();
    auto put = [&out](std::string_view text) { out = std::copy(text.begin(), text.end(), out); };
    if (significant.negative)
        *out++ = '-';
    if (exponent < -4 || exponent >= count) {
        *out++ = digits.front();
        if (digits.size() > 1) {
            *out++ = '.';
            put(digits.substr(1));
        }
        const int magnitude = exponent < 0 ? -exponent : exponent;
        put(exponent < 0 ? "E-" : "E+");
        if (magnitude < 10)
            *out++ = '0';
        out = std::to_chars(out, buffer.data() + buffer.size(), magnitude).ptr;
    } else if (exponent < 0) {
        put("0.");
        out = std::fill_n(out, -exponent - 1, '0');
        put(digits);
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            put(digits);
            out = std::fill_n(out, whole - digits.size(), '0');
        } else {
            put(digits.substr(0, whole));
            *out++ = '.';
            put(digits.substr(whole));
        }
    }
    return std::string(buffer.data(), out);
}

template <class Number> std::string ToText(Number value, int count)
{
    if (value == 0)
        return "0"; // also for -0
    if (!std::isfinite(value))
        return std::signbit(value) ? "-inf" : std::isnan(value) ? "nan" : "inf";
    return TextOf(SignificantDigits(value, count), count);
}

// A plain decimal such as -41.5556, of at most 15 digits, read exactly: the
// whole number of its digits over the power of ten of its places, both
// exact, is the double nearest to it. Nothing for anything else.
std::optional<double> ShortDecimalText(std::string_view text)
{
    const char *at = text.data();
    const char *const end = at + text.size();
    const bool negative = at < end && *at == '-';
    at += negative ? 1 : 0;
    // At most 15 digits and a point.
    if (at == end || end - at > 16)
        return std::nullopt;
    // The digits before the point, then those after it.
    std::uint64_t whole = 0;
    const char *c = at;
    for (unsigned digit = 0; c < end && (digit = static_cast<unsigned>(*c - '0')) < 10; ++c)
        whole = whole * 10 + digit;
    const bool point = c < end;
    if (point && *c != '.')
        return std::nullopt;
    const std::size_t places = point ? static_cast<std::size_t>(end - c - 1) : 0;
    for (c += point ? 1 : 0; c < end; ++c) {
        const auto digit = static_cast<unsigned>(*c - '0');
        if (digit >= 10)
            return std::nullopt;
        whole = whole * 10 + digit;
    }
    const std::ptrdiff_t digits = (end - at) - (point ? 1 : 0);
    if (digits == 0 || digits > 15)
        return std::nullopt;
    const auto digitsValue = static_cast<double>(whole);
    const double magnitude = places == 0 ? digitsValue : digitsValue / kExactPowersOfTen[places];
    return negative ? -magnitude : magnitude;
}

// Any text that is not a short plain decimal, read by the rule: kept apart
// from ReadNumber, so that the short ones it reads most often pay nothing for
// what this needs.
[[gnu::noinline]] double ReadOtherNumber(std::string_view text)
{
    double value = 0.0;
    // Most other texts are a plain number too, which from_chars reads as it stands.
    const bool plain = !text.empty() && text.front() != '+'
        && text.find_first_not_of("0123456789.+-eE") == std::string_view::npos;
    if (plain) {
        const auto result = ReadDouble(text.data(), text.data() + text.size(), value);
        if (result.ec == std::errc())
            return value;
        if (result.ec == std::errc::invalid_argument)
            return 0.0;
    }
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

} // namespace

double ReadNumber(std::string_view text)
{
    // The lists hold one or two digits most often ("0", "11"), and an entry
    // left empty reads as 0.
    if (text.size() <= 2) {
        const auto first = text.empty() ? 0U : static_cast<unsigned>(text.front() - '0');
        const auto second = text.size() < 2 ? 0U : static_cast<unsigned>(text.back() - '0');
        if (first < 10 && second < 10)
            return text.size() < 2 ? first : first * 10 + second;
    }
    if (const std::optional<double> value = ShortDecimalText(text))
        return *value;
    return ReadOtherNumber(text);
}

double StrictNumber(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    const std::string_view body = first == std::string_view::npos
        ? std::string_view()
        : text.substr(first, last - first + 1);
    if (const std::optional<double> value = ShortDecimalText(body))
        return *value;
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
    // Most floats are written straight from their 7 digits.
    constexpr int kDigits = 7;
    std::uint64_t digits = 0;
    int places = 0;
    std::string text;
    if (!SevenDigitsWhole(value, digits, places) || places < 0
        || !FixedText(value < 0, digits, places, text, kDigits))
        text = ToText(value, kDigits);
    return text;
}

double SingleAsShown(float value)
{
    std::uint64_t digits = 0;
    int places = 0;
    if (!SevenDigitsWhole(value, digits, places))
        return ReadNumber(SingleToText(value));
    // The digits over the power of ten of their places (or times it), both
    // exact: the double nearest to the decimal, as reading its text gives.
    const double magnitude = places >= 0
        ? static_cast<double>(digits) / kExactPowersOfTen[static_cast<std::size_t>(places)]
        : static_cast<double>(digits) * kExactPowersOfTen[static_cast<std::size_t>(-places)];
    return value < 0 ? -magnitude : magnitude;
}

std::string DoubleToText(double value)
{
    if (!std::isfinite(value))
        throw RunTimeError("overflow: value beyond the range of double precision");
    // A short decimal, most figures, is written from its whole number.
    std::uint64_t whole = 0;
    int places = 0;
    std::string text;
    if (value == 0 || !ShortDecimalWhole(value, whole, places)
        || !FixedText(value < 0, whole, places, text))
        text = ToText(value, 15);
    return text;
}

bool IsWrittenAsTyped(std::string_view text)
{
    constexpr std::size_t kMostDigits = 15;
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view body = text.substr(negative ? 1 : 0);
    const std::size_t point = std::min(body.find('.'), body.size());
    const std::string_view whole = body.substr(0, point);
    const std::string_view fraction = body.substr(std::min(point + 1, body.size()));
    auto digitsOnly
        = [](std::string_view part) { return std::all_of(part.begin(), part.end(), IsDigit); };
    if (whole.empty() || !digitsOnly(whole) || !digitsOnly(fraction)
        || (whole.size() > 1 && whole.front() == '0'))
        return false;
    if (point == body.size())
        return whole.size() <= kMostDigits && (whole != "0" || !negative); // never "-0"
    if (fraction.empty() || fraction.back() == '0')
        return false;
    if (whole != "0")
        return whole.size() + fraction.size() <= kMostDigits;
    // Below 1E-04 the rule writes an exponent.
    constexpr std::size_t kMostLeadingZeros = 3;
    const std::size_t zeros = fraction.find_first_not_of('0');
    return zeros <= kMostLeadingZeros && fraction.size() - zeros <= kMostDigits;
}

std::string DecimalText(long long units, int places)
{
    if (units == 0)
        return "0";
    const bool negative = units < 0;
    const auto magnitude = static_cast<std::uint64_t>(negative ? -units : units);
    std::string text;
    if (!FixedText(negative, magnitude, places, text))
        text = TextOf(OfWholeNumber(negative, magnitude, places), 15);
    return text;
}

std::string FourPlacesText(double value)
{
    // As RoundTo4Places finds it at once, a whole number of ten-thousandths.
    const double times = value * 1e4;
    const double whole = std::nearbyint(times);
    if (std::fabs(value) < 1e4 && std::fabs(times - whole) < 0.5 - 1e-6)
        return DecimalText(static_cast<long long>(whole), 4);
    return DoubleToText(RoundTo4Places(value));
}

double RoundTo4Places(double value)
{
    if (!std::isfinite(value))
        throw RunTimeError("overflow: value beyond the range of double precision");
    // Below 10^4, the value times 10^4 where it lies well away from a half:
    // neither the error of the product (below 10^-8) nor the distance of the
    // value from its 15 digits (half a unit of the 15th digit, at most
    // 5 x 10^-8 of a unit of the 4th place) can move the rounding, and the
    // whole number over 10^4 is the double nearest to the rounded decimal.
    const double times = value * 1e4;
    const double whole = std::nearbyint(times);
    if (std::fabs(value) < 1e4 && std::fabs(times - whole) < 0.5 - 1e-6)
        return whole == 0.0 ? 0.0 : whole / 1e4;
    // The 15 significant digits of the value.
    const Significant significant = SignificantDigits(value, 15);
    const int exponent = significant.exponent;
    const bool negative = significant.negative;
    std::string digits(significant.Digits());
    digits.resize(15, '0');
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
    ReadDouble(scaled.data(), scaled.data() + scaled.size(), magnitude);
    if (magnitude == 0.0)
        return 0.0;
    return negative ? -magnitude : magnitude;
}

} // namespace ratedload::rules
