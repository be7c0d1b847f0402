// SPDX-License-Identifier: MIT
#pragma once

#include "report/Protocol.h"

#include <string>
#include <string_view>

namespace ratedload::cli {

// The bytes of a sheet or a chart, painted by ratedload-report, which is
// started for the first and kept for the others. A Refusal naming the
// entry at fault, or else `option`, where there are none.
std::string Painted(std::string_view option, const report::Request &request);

} // namespace ratedload::cli
