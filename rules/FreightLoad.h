// SPDX-License-Identifier: MIT
#pragma once

#include "rules/Units.h"

#include <optional>
#include <string>
#include <string_view>

namespace ratedload::rules {

enum class FreightClass { A, B, C1, C2, C3 };

// "A", "B", "C1", "C2" or "C3".
std::string_view ClassName(FreightClass freightClass);

// Classes C1 and C2, where a heavier loaded truck governs.
bool IsTruckClass(FreightClass freightClass);

// The rate of a class: whole pounds per square foot or kilograms per square
// metre (50 or 244, class B 30 or 146).
double FreightRate(Units units, FreightClass freightClass);

// The load of the class's rate on an area, before any loaded truck.
float ClassLoad(Units units, FreightClass freightClass, float area);

// Minimum rated load of a freight elevator, as the text to show. For classes
// C1 and C2 a heavier loaded truck governs; when their truck text is exactly
// empty there is no answer (std::nullopt): no truck weight was entered.
std::optional<std::string> FreightLoad(
    Units units, FreightClass freightClass, float area, std::string_view truckText);

} // namespace ratedload::rules
