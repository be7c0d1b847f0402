// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Command.h"

namespace ratedload::cli {

// Answers CSV read from the input: a header naming options (type, class,
// load..., with or without "--", and an optional id column copied to the
// answers), then one set of options per line. A cell left empty takes the
// option given on the command line. Each line is answered with its line
// number and the cells of the columns that are not figures of the answer; a
// bad line is reported with its line number, and the other lines are still
// answered. Returns the exit status: kBadInput when any line was bad, else
// kCheckFails when any car fails, else kSuccess. `hook`, if any, is called for
// each line answered; a failure it raises is reported as the line's.
int RunBatch(const CarCommand &command, const Request &request, const Streams &streams,
    const AnswerHook &hook = {});

} // namespace ratedload::cli
