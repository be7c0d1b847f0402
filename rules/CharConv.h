// SPDX-License-Identifier: MIT
#pragma once

// Reading and writing floating-point numbers as from_chars and to_chars do,
// with "." whatever the locale. The standard library's are used where it
// has them for floating point; where it has not (libc++ 13, which the web
// page is built with), a fallback of our own: strtod and snprintf in the "C"
// locale, the shortest digits found by trying precisions until the text
// reads back. The fallback is built everywhere, so that its tests run here.

#include <charconv>

namespace ratedload::rules {

// from_chars(first, last, value): digits, a point and an exponent, no sign
// but '-', no blanks. result_out_of_range, and the value left as it was,
// where the number is beyond the range of double or nearer 0 than any.
std::from_chars_result ReadDouble(const char *first, const char *last, double &value);

// to_chars(first, last, value, format), the shortest text that reads back
// as the value; scientific or fixed.
std::to_chars_result WriteShortest(char *first, char *last, double value, std::chars_format format);
std::to_chars_result WriteShortest(char *first, char *last, float value, std::chars_format format);

// to_chars(first, last, value, format, precision): rounded exactly, as printf.
std::to_chars_result WritePrecise(
    char *first, char *last, double value, std::chars_format format, int precision);

namespace fallback {

std::from_chars_result ReadDouble(const char *first, const char *last, double &value);
std::to_chars_result WriteShortest(char *first, char *last, double value, std::chars_format format);
std::to_chars_result WriteShortest(char *first, char *last, float value, std::chars_format format);
std::to_chars_result WritePrecise(
    char *first, char *last, double value, std::chars_format format, int precision);

} // namespace fallback

} // namespace ratedload::rules
