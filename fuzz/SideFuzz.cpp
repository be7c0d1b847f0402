// SPDX-License-Identifier: MIT
// The reading of a side either refuses the text with its own
// error or gives the texts of a row of lists that make a side longer than 0.

#include "fuzz/FuzzInput.h"

#include "answers/Refusal.h"
#include "answers/Sides.h"

#include "rules/Dimensions.h"
#include "rules/NumberText.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace ratedload;
    FuzzInput input(data, size);
    const rules::Units units
        = input.Raw<std::uint8_t>() % 2 ? rules::Units::Metric : rules::Units::Imperial;
    const std::string text(input.Rest());
    try {
        const answers::SideTexts side = answers::ReadSide(text, units);
        const double whole = rules::StrictNumber(side.whole);
        const double length = units == rules::Units::Imperial
            ? 12 * whole + rules::StrictNumber(side.inches) + rules::StrictNumber(side.fraction)
            : whole + rules::StrictNumber(side.millimetres) * 0.001;
        FUZZ_CHECK(length > 0);
        FUZZ_CHECK(rules::StrictNumber(side.fraction) < 1);
        AllowRunTimeError([&] {
            const float single = units == rules::Units::Imperial
                ? rules::SideInches(side.whole, side.inches, side.fraction)
                : rules::SideMetres(side.whole, side.millimetres);
            FUZZ_CHECK(!std::isnan(single));
        });
    } catch (const answers::Refusal &) {
    }
    return 0;
}
