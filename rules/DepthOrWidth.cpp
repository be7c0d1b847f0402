// SPDX-License-Identifier: MIT
#include "rules/DepthOrWidth.h"

#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include <cmath>

namespace ratedload::rules {

namespace {

constexpr double kInchesPerFoot = 12.0;
constexpr double kMillimetresPerMetre = 1000.0;

// Each part is worked out from the texts of the parts before it, read back as
// they are shown, so that the parts on show always add up.
void SplitFeet(float side, FoundSide &found)
{
    found.whole = SingleToText(std::floor(side));
    double feet = StrictNumber(found.whole);
    const double inchesAndFraction = (side - feet) * kInchesPerFoot;
    found.inches = DoubleToText(std::floor(inchesAndFraction));
    double inches = StrictNumber(found.inches);
    found.fraction = DoubleToText(RoundTo4Places(inchesAndFraction - inches));
    if (StrictNumber(found.fraction) == 1.0) {
        inches += 1.0;
        found.inches = DoubleToText(inches);
        found.fraction = "0";
    }
    // Never 6 ft 12 in: a whole foot of inches goes on into the feet.
    if (inches == kInchesPerFoot) {
        feet += 1.0;
        found.whole = DoubleToText(feet);
        found.inches = "0";
    }
}

void SplitMetres(float side, FoundSide &found)
{
    found.whole = SingleToText(std::floor(side));
    const double metres = StrictNumber(found.whole);
    found.millimetres = DoubleToText(RoundTo4Places((side - metres) * kMillimetresPerMetre));
    if (StrictNumber(found.millimetres) == kMillimetresPerMetre) {
        found.whole = DoubleToText(metres + 1.0);
        found.millimetres = "0";
    }
}

} // namespace

SideOutcome MissingSide(float depth, float width)
{
    if (depth > 0.0f && width > 0.0f)
        return SideOutcome::BothGiven;
    if (depth == 0.0f && width == 0.0f)
        return SideOutcome::NoneGiven;
    if (depth <= width)
        return SideOutcome::DepthFound;
    return SideOutcome::WidthFound;
}

FoundSide DorWFromArea(Units units, double area, float depth, float width)
{
    FoundSide found;
    found.outcome = MissingSide(depth, width);
    if (found.outcome == SideOutcome::BothGiven || found.outcome == SideOutcome::NoneGiven)
        return found;

    const double given = found.outcome == SideOutcome::DepthFound ? width : depth;
    if (units == Units::Imperial) {
        const double givenFeet = given / kInchesPerFoot;
        SplitFeet(ToSingle(Divide(area, givenFeet)), found);
    } else {
        SplitMetres(ToSingle(Divide(area, given)), found);
    }
    return found;
}

} // namespace ratedload::rules
