// SPDX-License-Identifier: MIT
#pragma once

#include "calc/Run.h"

#include <string>

namespace ratedload::calc::test {

// A run as one line, for comparing with the steps a case expects:
//   "show BothWaysGiven; clear lists; focus area; area 50; load 5002.5;
//    passengers 31"
// then " | NoArea" for the message that ended it, or " | error" for a
// run-time error.
std::string StepsText(const Run &run);

} // namespace ratedload::calc::test
