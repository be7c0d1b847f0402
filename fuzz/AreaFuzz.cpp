// SPDX-License-Identifier: MIT
// The side and area rules fed from arbitrary texts: no failure but the rules'
// own error, and the area of two sides that does not depend on which is the depth.

#include "rules/Dimensions.h"
#include "fuzz/FuzzInput.h"
#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include <cmath>

using namespace ratedload::rules;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    DimensionTexts texts;
    for (std::string &text : texts)
        text = input.Text();
    const std::string typed = input.Text();

    AllowRunTimeError([&] { (void)DimensionsWereEntered(texts); });
    AllowRunTimeError([&] { FUZZ_CHECK(!std::isnan(TypedArea(typed))); });
    (void)AreaWasTyped(typed);

    for (const Units units : { Units::Imperial, Units::Metric }) {
        AllowRunTimeError([&] {
            const float depth = units == Units::Imperial ? SideInches(texts[0], texts[1], texts[2])
                                                         : SideMetres(texts[0], texts[3]);
            const float width = units == Units::Imperial ? SideInches(texts[4], texts[5], texts[6])
                                                         : SideMetres(texts[4], texts[7]);
            const float area = AreaFromSides(units, depth, width);
            FUZZ_CHECK(!std::isnan(area));
            // The area of two sides does not depend on which is the depth.
            FUZZ_CHECK(AreaFromSides(units, width, depth) == area);
        });
    }
    return 0;
}
