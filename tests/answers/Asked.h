// SPDX-License-Identifier: MIT
#pragma once

#include "answers/Entries.h"

#include <string>
#include <vector>

namespace ratedload::answers::test {

// The entries of a command line's words after the question: --metric, and
// --NAME VALUE for each entry; --batch is left out.
Entries EntriesOf(const std::vector<std::string> &args);

// The words of a line split at blanks ("load --area 50").
std::vector<std::string> Words(const std::string &line);

} // namespace ratedload::answers::test
