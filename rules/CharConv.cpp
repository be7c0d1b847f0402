// SPDX-License-Identifier: MIT
#include "rules/CharConv.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <system_error>

// libstdc++ has floating-point from_chars and to_chars from version 11 and
// says so; libc++ 13 has neither and says nothing.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define RATEDLOAD_STANDARD_CHARCONV 1
#else
#define RATEDLOAD_STANDARD_CHARCONV 0
#endif

namespace ratedload::rules {

namespace fallback {

namespace {

// The "C" locale for this thread while it lives: strtod and snprintf then
// read and write "." whatever the program's locale.
class CLocale {
public:
    CLocale()
        : previous_(uselocale(Locale()))
    {
    }
    ~CLocale() { uselocale(previous_); }
    CLocale(const CLocale &) = delete;
    CLocale &operator=(const CLocale &) = delete;

private:
    static locale_t Locale()
    {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return c;
    }
    locale_t previous_;
};

std::to_chars_result Copied(char *first, char *last, const char *text, std::size_t size)
{
    if (size > static_cast<std::size_t>(last - first))
        return { last, std::errc::value_too_large };
    std::memcpy(first, text, size);
    return { first + size, std::errc() };
}

// printf's text of a value: %.*e or %.*f.
std::string Printed(double value, std::chars_format format, int precision)
{
    const CLocale c;
    const char *pattern = format == std::chars_format::fixed ? "%.*f" : "%.*e";
    const int size = std::snprintf(nullptr, 0, pattern, precision, value);
    std::string text(static_cast<std::size_t>(size), '\0');
    std::snprintf(text.data(), text.size() + 1, pattern, precision, value);
    return text;
}

double Strtod(const std::string &text)
{
    const CLocale c;
    return std::strtod(text.c_str(), nullptr);
}

float Strtof(const std::string &text)
{
    const CLocale c;
    return std::strtof(text.c_str(), nullptr);
}

// The last digit of a text of %e moved by one unit, up or down.
std::string Neighbour(std::string text, bool up)
{
    const std::size_t e = text.find('e');
    std::size_t i = e;
    while (i-- > 0) {
        char &c = text[i];
        if (c < '0' || c > '9')
            continue;
        if (up ? c < '9' : c > '0') {
            c = static_cast<char>(c + (up ? 1 : -1));
            return text;
        }
        c = up ? '0' : '9';
    }
    return {}; // past the leading digit: no neighbour of this length
}

// The shortest digits in %e that read back as the value: the rounded ones of
// each precision, or where the value's neighbours are not the same distance
// away (a power of two), one of their neighbours in the last digit.
template <class Number> std::string ShortestScientific(Number value, int most, Number (*read)(const std::string &))
{
    for (int digits = 1; digits <= most; ++digits) {
        const std::string rounded = Printed(static_cast<double>(value), std::chars_format::scientific, digits - 1);
        if (read(rounded) == value)
            return rounded;
        for (const bool up : { false, true }) {
            const std::string neighbour = Neighbour(rounded, up);
            if (!neighbour.empty() && read(neighbour) == value)
                return neighbour;
        }
    }
    return Printed(static_cast<double>(value), std::chars_format::scientific, most - 1);
}

double ReadDoubleText(const std::string &text)
{
    return Strtod(text);
}

float ReadFloatText(const std::string &text)
{
    return Strtof(text);
}

// %e's digits and exponent in the form to_chars writes for a format: the
// exponent with two digits at least; for fixed, the digits placed.
std::string InFormat(const std::string &scientific, std::chars_format format)
{
    if (format != std::chars_format::fixed)
        return scientific;
    const std::size_t e = scientific.find('e');
    const bool negative = scientific.front() == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
        if (scientific[i] != '.')
            digits += scientific[i];
    }
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    std::string text = negative ? "-" : "";
    if (exponent < 0) {
        text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
        text += digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
    } else {
        text += digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "."
            + digits.substr(static_cast<std::size_t>(exponent) + 1);
    }
    return text;
}

template <class Number>
std::to_chars_result Shortest(char *first, char *last, Number value, std::chars_format format,
    int most, Number (*read)(const std::string &))
{
    if (value == 0) {
        const char *zero = std::signbit(value)
            ? (format == std::chars_format::fixed ? "-0" : "-0e+00")
            : (format == std::chars_format::fixed ? "0" : "0e+00");
        return Copied(first, last, zero, std::strlen(zero));
    }
    const std::string text = InFormat(ShortestScientific(value, most, read), format);
    return Copied(first, last, text.data(), text.size());
}

} // namespace

std::from_chars_result ReadDouble(const char *first, const char *last, double &value)
{
    const char *digit = first;
    if (digit < last && *digit == '-')
        ++digit;
    if (digit == last || !((*digit >= '0' && *digit <= '9') || *digit == '.'))
        return { first, std::errc::invalid_argument };
    const std::string text(first, last);
    const CLocale c;
    char *end = nullptr;
    errno = 0;
    const double read = std::strtod(text.c_str(), &end);
    const std::size_t used = static_cast<std::size_t>(end - text.c_str());
    if (used == 0)
        return { first, std::errc::invalid_argument };
    // A number below the normal ones reads as it is, as from_chars reads
    // it; one beyond every double, or nearer 0 than any, is out of range.
    if (errno == ERANGE && (read == 0.0 || std::isinf(read)))
        return { first + used, std::errc::result_out_of_range };
    value = read;
    return { first + used, std::errc() };
}

std::to_chars_result WriteShortest(char *first, char *last, double value, std::chars_format format)
{
    return Shortest(first, last, value, format, 17, ReadDoubleText);
}

std::to_chars_result WriteShortest(char *first, char *last, float value, std::chars_format format)
{
    return Shortest(first, last, value, format, 9, ReadFloatText);
}

std::to_chars_result WritePrecise(
    char *first, char *last, double value, std::chars_format format, int precision)
{
    const std::string text = Printed(value, format, precision);
    return Copied(first, last, text.data(), text.size());
}

} // namespace fallback

std::from_chars_result ReadDouble(const char *first, const char *last, double &value)
{
#if RATEDLOAD_STANDARD_CHARCONV
    return std::from_chars(first, last, value);
#else
    return fallback::ReadDouble(first, last, value);
#endif
}

std::to_chars_result WriteShortest(char *first, char *last, double value, std::chars_format format)
{
#if RATEDLOAD_STANDARD_CHARCONV
    return std::to_chars(first, last, value, format);
#else
    return fallback::WriteShortest(first, last, value, format);
#endif
}

std::to_chars_result WriteShortest(char *first, char *last, float value, std::chars_format format)
{
#if RATEDLOAD_STANDARD_CHARCONV
    return std::to_chars(first, last, value, format);
#else
    return fallback::WriteShortest(first, last, value, format);
#endif
}

std::to_chars_result WritePrecise(
    char *first, char *last, double value, std::chars_format format, int precision)
{
#if RATEDLOAD_STANDARD_CHARCONV
    return std::to_chars(first, last, value, format, precision);
#else
    return fallback::WritePrecise(first, last, value, format, precision);
#endif
}

} // namespace ratedload::rules
