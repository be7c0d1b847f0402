// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Command.h"

namespace ratedload::cli {

// Answers CSV read from the input (the file after --batch, or standard
// input): a header naming options (type, class, load..., with or without
// "--"), an id and other columns carried through, then one car per line. A
// cell left empty takes the option given on the command line. Each line is
// answered with its line number, the cells of the options given and the
// columns carried through; a bad line is reported with its line number, and
// the other lines are still answered, in their order. Returns the worst exit
// status of the lines (WorseStatus). `hook`, if any, is called for each line
// answered, in order; a failure it raises is reported as the line's.
int RunBatch(const CarCommand &command, const Request &request, const Streams &streams,
    const AnswerHook &hook = {});

} // namespace ratedload::cli
