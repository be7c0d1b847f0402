// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ratedload::answers {

// The most rows that one table may have.
inline constexpr std::size_t kMaximumRows = 100'000;

// The values of a list of numbers and ranges, such as "500:30000:500" or
// "2500,3000,3500:5000:500", as the texts that are entered for them: a number
// of the list as written, a value of a range START:STOP:STEP as the
// number-to-text rule writes it. A range goes from START towards STOP by STEP
// and includes STOP when a step lands on it. Refusal, of no field yet, for a malformed
// list, a zero step, a step that leads away from STOP, and more than maxRows
// values in all.
std::vector<std::string> ExpandValues(std::string_view list, std::size_t maxRows = kMaximumRows);

} // namespace ratedload::answers
