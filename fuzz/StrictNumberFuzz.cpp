// SPDX-License-Identifier: MIT
// StrictNumber accepts every text that the number-to-text rule writes and
// reads back the value written, to its 7 or 15 digits; on any other text it
// either agrees with ReadNumber or raises the rules' own error.

#include "fuzz/FuzzInput.h"
#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include <cfloat>
#include <cmath>

namespace {

using namespace ratedload::rules;

// The largest magnitude whose 15-digit text still lies within double's range.
constexpr double kLargestWrittenDouble = 1.79769313486231e308;

void CheckText(const std::string &text)
{
    try {
        const double strict = StrictNumber(text);
        FUZZ_CHECK(!std::isnan(strict));
        const double leading = ReadNumber(text);
        FUZZ_CHECK(strict == leading);
    } catch (const RunTimeError &) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const auto single = input.Raw<float>();
    const auto dbl = input.Raw<double>();
    CheckText(std::string(input.Rest()));

    if (std::isfinite(single)) {
        const std::string written = SingleToText(single);
        const double back = StrictNumber(written);
        FUZZ_CHECK(SingleToText(ToSingle(back)) == written);
        FUZZ_CHECK(StrictNumber(" " + written + "  ") == back);
    }
    if (std::isfinite(dbl) && std::fabs(dbl) <= kLargestWrittenDouble) {
        const std::string written = DoubleToText(dbl);
        FUZZ_CHECK(DoubleToText(StrictNumber(written)) == written);
    }
    return 0;
}
