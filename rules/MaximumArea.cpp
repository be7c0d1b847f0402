// SPDX-License-Identifier: MIT
#include "rules/MaximumArea.h"

#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

namespace ratedload::rules {

namespace {

// (sqrt(L + p) - q) / r: a passenger load rule solved for the area. The
// constants are used as they stand, not recomputed from the load rules.
struct RootFormula {
    double p;
    double q;
    double r;

    double AreaFor(double load) const { return Divide(SquareRoot(load + p) - q, r); }
};

struct PassengerRange {
    double upperLoad; // a load equal to it still takes the lower formula
    RootFormula lower;
    RootFormula upper;
};

constexpr PassengerRange kImperialPassenger { 5000.0, { 1667.50278, 40.83507, 0.8167 },
    { 85012.6086, 289.2155, 0.21610183 } };
constexpr PassengerRange kMetricPassenger { 2269.0, { 754.4643, 27.4675132, 5.9160798 },
    { 38589.386849, 194.85735, 1.5652476 } };

double UnroundedArea(Units units, AreaRule rule, double load)
{
    const bool imperial = units == Units::Imperial;
    switch (rule) {
    case AreaRule::ClassA:
        return Divide(load, imperial ? 50.0 : 244.0);
    case AreaRule::ClassB:
        return Divide(load, imperial ? 30.0 : 146.0);
    case AreaRule::Passenger:
    case AreaRule::FreightPassenger: {
        const PassengerRange &range = imperial ? kImperialPassenger : kMetricPassenger;
        return load <= range.upperLoad ? range.lower.AreaFor(load) : range.upper.AreaFor(load);
    }
    case AreaRule::None:
        break;
    }
    return 0.0;
}

} // namespace

double PassengerLoadBound(Units units)
{
    return (units == Units::Imperial ? kImperialPassenger : kMetricPassenger).upperLoad;
}

std::optional<double> MaximumArea(Units units, AreaRule rule, double load)
{
    if (rule == AreaRule::None)
        return std::nullopt;
    return RoundTo4Places(UnroundedArea(units, rule, load));
}

} // namespace ratedload::rules
