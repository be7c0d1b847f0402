// SPDX-License-Identifier: MIT
// The maximum area and the missing side: no failure but the rules' own
// error; areas have at most 4 decimal places, and the parts of a found side
// add up to the side.

#include "rules/DepthOrWidth.h"
#include "fuzz/FuzzInput.h"
#include "rules/MaximumArea.h"
#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include <cmath>

namespace {

using namespace ratedload::rules;

void CheckParts(Units units, double area, float depth, float width)
{
    const FoundSide found = DorWFromArea(units, area, depth, width);
    if (found.outcome == SideOutcome::BothGiven || found.outcome == SideOutcome::NoneGiven) {
        FUZZ_CHECK(found.whole.empty());
        return;
    }
    const double given = found.outcome == SideOutcome::DepthFound ? width : depth;
    const double side = units == Units::Imperial ? area / (given / 12) : area / given;
    const double whole = StrictNumber(found.whole);
    // Beyond a million the 7 digits of the whole part no longer hold every unit.
    if (std::fabs(side) >= 1e6)
        return;
    if (units == Units::Imperial) {
        const double inches = StrictNumber(found.inches);
        const double fraction = StrictNumber(found.fraction);
        FUZZ_CHECK(inches >= 0 && inches <= 11 && inches == std::floor(inches));
        FUZZ_CHECK(fraction >= 0 && fraction < 1);
        const double total = whole * 12 + inches + fraction;
        FUZZ_CHECK(
            std::fabs(total - static_cast<float>(side) * 12.0) <= 1e-4 + std::fabs(side) * 1e-5);
    } else {
        const double millimetres = StrictNumber(found.millimetres);
        FUZZ_CHECK(millimetres >= 0 && millimetres < 1000);
        const double total = whole + millimetres / 1000;
        FUZZ_CHECK(std::fabs(total - static_cast<float>(side)) <= 1e-7 + std::fabs(side) * 1e-6);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const auto choice = input.Raw<std::uint8_t>();
    const auto depth = input.Raw<float>();
    const auto width = input.Raw<float>();
    const Units units = choice & 1 ? Units::Metric : Units::Imperial;
    const auto rule = static_cast<AreaRule>((choice >> 1) % 5);
    const double load = ReadNumber(input.Rest());

    AllowRunTimeError([&] {
        const std::optional<double> area = MaximumArea(units, rule, load);
        FUZZ_CHECK(area.has_value() == (rule != AreaRule::None));
        if (!area)
            return;
        const std::string text = DoubleToText(*area);
        const std::size_t point = text.find('.');
        if (text.find('E') == std::string::npos && point != std::string::npos)
            FUZZ_CHECK(text.size() - point - 1 <= 4);
        if (std::isnan(depth) || std::isnan(width))
            return;
        AllowRunTimeError([&] { CheckParts(units, StrictNumber(text), depth, width); });
    });
    return 0;
}
