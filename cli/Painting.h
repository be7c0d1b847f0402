// SPDX-License-Identifier: MIT
#pragma once

#include "report/Protocol.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace ratedload::cli {

// Paints a sheet or a chart with ratedload-report, which is started for the
// first and kept for the others, and writes it to `path` in full or not at
// all ("-": `standardOutput`). A Refusal naming the entry at fault, or else
// `option`, where nothing is written.
void PaintInto(std::string_view option, const std::string &path, const report::Request &request,
    std::ostream &standardOutput);

} // namespace ratedload::cli
