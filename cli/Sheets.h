// SPDX-License-Identifier: MIT
#pragma once

// Calculation sheets of the cars that load, area and check answer, where the
// program is built with them (report/, Qt 6): the maker registers itself, as
// a command does, and the program asks it for the options it adds and for
// what writes the sheets of one invocation.

#include "cli/Command.h"

#include <string>
#include <string_view>
#include <vector>

namespace ratedload::cli {

class SheetMaker {
public:
    virtual ~SheetMaker() = default;

    // The options it adds to a command that answers for one car.
    virtual std::vector<std::string_view> OptionNames() const = 0;
    // What writes the sheets that the request asks for, once per car
    // answered; empty when it asks for none. A sheet for "-" goes to `out`.
    // A Refusal, before any answer, for an option out of place, a paper it
    // does not know or a folder it cannot write into.
    virtual AnswerHook Prepare(const Request &request, std::ostream &out) const = 0;
    // Whether the request's sheet goes to standard output, in place of the answers.
    virtual bool TakesStandardOutput(const Request &request) const = 0;
};

bool RegisterSheetMaker(const SheetMaker &maker);
// nullptr when the program is built without sheets.
const SheetMaker *RegisteredSheetMaker();

// What the program writes besides its answers, for --help.
std::string OutputsText();

} // namespace ratedload::cli
