// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Commands.h"
#include "cli/Output.h"

#include "rules/Units.h"

#include <cstdio>
#include <istream>

namespace ratedload::cli {

// Exit statuses of the program.
inline constexpr int kSuccess = 0; // answered; a checked car passes
inline constexpr int kCheckFails = 1; // a checked car fails
inline constexpr int kBadInput = 2; // bad input, a message or an overflow

// Where the lines of a batch and their errors go.
struct Streams {
    std::istream &in;
    std::FILE *out;
    std::FILE *err;
};

// Answers CSV read from `in`: a header naming options (type, class, load...,
// with or without "--", and an optional id column copied to the answers),
// then one set of options per line. A cell left empty takes the option given
// on the command line (`defaults`). Each line is answered on `out`, with its
// line number and the cells of the columns that are not figures of the
// answer; a bad line is reported on `err` with its line number, and the
// other lines are still answered. Returns the exit status: kBadInput when any
// line was bad, else kCheckFails when any car fails, else kSuccess.
int RunBatch(Command command, rules::Units units, Format format, const Options &defaults,
    const Streams &streams);

// Reports one failed answer, as "ratedload-cli: WHERE: REASON" on one line.
void Report(std::FILE *err, std::string_view where, const Answer &answer, const Options &options,
    std::string_view series = {});

} // namespace ratedload::cli
