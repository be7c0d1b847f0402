// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Command.h"

#include <string>
#include <vector>

namespace ratedload::cli {

inline constexpr const char *kProgram = "ratedload-cli";

// The whole program on its streams: the arguments after the program's name
// in, the exit status out.
int RunProgram(const std::vector<std::string> &arguments, const Streams &streams);

} // namespace ratedload::cli
