// SPDX-License-Identifier: MIT
#include "calc/Entries.h"

namespace ratedload::calc {

namespace {

// Positions in rules::DimensionTexts.
constexpr std::size_t kWidthRow = 4;
constexpr std::size_t kWhole = 0;
constexpr std::size_t kInches = 1;
constexpr std::size_t kFraction = 2;
constexpr std::size_t kMillimetres = 3;

} // namespace

bool CarriesPassengers(ElevatorType type)
{
    return type == ElevatorType::Passenger || type == ElevatorType::FreightPassenger;
}

rules::DimensionTexts NoDimensions()
{
    return { "0", "0", "0", "0", "0", "0", "0", "0" };
}

float SideOf(rules::Units units, const rules::DimensionTexts &lists, Row row)
{
    const std::size_t first = row == Row::Depth ? 0 : kWidthRow;
    if (units == rules::Units::Imperial)
        return rules::SideInches(
            lists[first + kWhole], lists[first + kInches], lists[first + kFraction]);
    return rules::SideMetres(lists[first + kWhole], lists[first + kMillimetres]);
}

} // namespace ratedload::calc
