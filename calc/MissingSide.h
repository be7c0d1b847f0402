// SPDX-License-Identifier: MIT
#pragma once

#include "calc/Entries.h"
#include "calc/Run.h"

#include <optional>
#include <string>

namespace ratedload::calc {

// The entries of the search for the missing side.
struct SideEntries {
    rules::Units units = rules::Units::Imperial;
    std::string areaText; // the maximum area on show, read strictly
    rules::DimensionTexts lists = NoDimensions();
};

// The side of the platform that was not given, from the area on show and
// the side that was: its parts written into its own row of lists. A message
// when both sides or no side is given (for both sides in imperial units the
// lists are then set back to "0"); the given row keeps its entries as typed.
Run MissingSide(const SideEntries &entries);

// The row whose side a run of MissingSide found, if it found one.
std::optional<Row> FoundRow(const Run &run);

} // namespace ratedload::calc
