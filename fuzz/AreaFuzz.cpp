// SPDX-License-Identifier: MIT
// The side and area rules fed from arbitrary texts: no failure but the rules'
// own error, and the area of two sides agrees with their product worked out
// here in double.

#include "rules/Dimensions.h"
#include "fuzz/FuzzInput.h"
#include "rules/RunTimeError.h"

#include <cmath>
#include <optional>

using namespace ratedload::rules;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    DimensionTexts texts;
    for (std::string &text : texts)
        text = input.Text();
    const std::string typed = input.Text();

    AllowRunTimeError([&] { (void)DimensionsWereEntered(texts); });
    AllowRunTimeError([&] { (void)TypedArea(typed); });
    (void)AreaWasTyped(typed);

    for (const Units units : { Units::Imperial, Units::Metric }) {
        float depth = 0;
        float width = 0;
        std::optional<float> area;
        AllowRunTimeError([&] {
            depth = units == Units::Imperial ? SideInches(texts[0], texts[1], texts[2])
                                             : SideMetres(texts[0], texts[3]);
            width = units == Units::Imperial ? SideInches(texts[4], texts[5], texts[6])
                                             : SideMetres(texts[4], texts[7]);
            area = AreaFromSides(units, depth, width);
        });
        if (!area)
            continue;
        // Exact: two floats have at most 48 significant bits together.
        const double product = static_cast<double>(depth) * width;
        const double expected = units == Units::Imperial ? product / 144 : product;
        // Each side enters as its 7-digit decimal, the area leaves as a float.
        FUZZ_CHECK(std::fabs(*area - expected)
            <= (2 * 5e-7 + 2 * 0x1p-24) * std::fabs(expected) + 0x1p-149);
    }
    return 0;
}
