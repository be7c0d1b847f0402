// SPDX-License-Identifier: MIT
#pragma once

#include "answers/Entries.h"

#include "tests/golden/Golden.h"

#include <string>
#include <vector>

namespace ratedload::answers::test {

// The entries of a command line's words after the question: --metric, and
// --NAME VALUE for each entry; --batch is left out.
Entries EntriesOf(const std::vector<std::string> &args);

using ratedload::test::Words;

} // namespace ratedload::answers::test
