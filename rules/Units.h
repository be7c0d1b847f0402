// SPDX-License-Identifier: MIT
#pragma once

namespace ratedload::rules {

// Imperial: pounds, square feet, feet and inches. Metric: kilograms, square
// metres, metres and millimetres.
enum class Units { Imperial, Metric };

} // namespace ratedload::rules
