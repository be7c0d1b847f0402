// SPDX-License-Identifier: MIT
#pragma once

// Which rule of the code gave a figure, written as a person reads it, for a
// calculation sheet: "0.0467 A² + 125 A − 1367, A > 50 sq ft".

#include "calc/MaximumPlatformArea.h"
#include "calc/MinimumRatedLoad.h"

#include <optional>
#include <string>

namespace ratedload::calc {

// The rule of the minimum rated load of a platform.
struct LoadRuleApplied {
    std::string rule; // "0.667 A² + 66.7 A, A ≤ 50 sq ft", "Class B: 30 lb per sq ft"
    std::string ruleLoad; // what the rule gives for the area, before any loaded truck
    bool truckGoverns = false; // a heavier loaded truck is the minimum rated load
};

// For the entries of Calculate in the minimum-rated-load mode; nothing where
// Calculate gives no load (a missing truck weight, no class, a run-time error).
std::optional<LoadRuleApplied> LoadRuleOf(const RatedLoadEntries &entries);

// The rule of the maximum inside net platform area for a rated load:
// "(√(L + 1667.50278) − 40.83507) / 0.8167, L ≤ 5000 lb", "L / 30 (class B:
// 30 lb per sq ft)". Nothing where no area is found for the entries.
std::optional<std::string> AreaRuleOf(const MaximumAreaEntries &entries);

// The units of areas and loads as the sheet and the chart write them.
std::string_view AreaUnit(rules::Units units); // "sq ft", "sq m"
std::string_view LoadUnit(rules::Units units); // "lb", "kg"

} // namespace ratedload::calc
