// SPDX-License-Identifier: MIT
#pragma once

// The check of an existing car: the load its platform requires, the area its
// plated load permits, the margin of each and the verdict.
//
// The verdict is an inspector's: the car passes when its inside net platform
// area is at most the maximum area permitted for its plated load, the two
// compared at the precision the maximum area is given in, 4 decimal places.
// A typed area is compared as typed; a platform given by its sides, with the
// area of the sides as given (not the window's 7-digit figure). Sides are
// given to 4 decimal places of an inch (of a millimetre), the precision of a
// found side; where that last place decides the verdict, the area is taken
// with each side half a unit of it shorter, so that a car built from the
// sides the maximum area gives never fails by the last digit. A larger car
// whose area is at most 105 % of the maximum area, rounded down to 4 places,
// passes within the 5 % allowance that the code permits for variations in car designs. The
// maximum area knows no loaded truck: a car plated for less than the weight
// of the loaded truck it takes fails, whatever its area.

#include "calc/MaximumPlatformArea.h"
#include "calc/MinimumRatedLoad.h"
#include "calc/Run.h"

#include <optional>
#include <string>

namespace ratedload::calc {

enum class Verdict { Passes, PassesWithinAllowance, Fails };

// The verdict as the answers write it.
std::string_view VerdictText(Verdict verdict);

struct CheckAnswers {
    Run required; // Calculate for the platform
    Run permitted; // the maximum area for the plated load
    // The message or run-time error of either that ended the check.
    std::optional<Message> message;
    std::optional<std::string> error;

    // The figures, as the texts to show.
    std::string area; // the inside net platform area, as the window shows it
    std::string minimumLoad; // the minimum rated load the platform requires
    std::string loadMargin; // plated load less the minimum rated load
    std::optional<std::string> loadMarginPercent; // of the minimum rated load
    std::string maximumArea; // for the plated load
    std::string areaCompared; // the car's area as the verdict takes it, to 4 places
    std::string areaMargin; // the maximum area less the area compared
    std::optional<std::string> areaMarginPercent; // of the maximum area
    std::string maximumWithAllowance; // 105 % of the maximum area, rounded down to 4 places
    std::optional<std::string> passengers; // for the plated load
    Verdict verdict = Verdict::Fails;

    bool Ended() const { return message || error; }
};

CheckAnswers Check(const RatedLoadEntries &platform, const MaximumAreaEntries &plated);

} // namespace ratedload::calc
