// SPDX-License-Identifier: MIT
#pragma once

// The options of the command line, in one table: it sets up the parser and
// its help, and ties each option to its entry of the answers (or, for
// sheets and charts, to its text in Outputs).

#include "answers/Entries.h"
#include "answers/Records.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ratedload::cli {

// What one invocation writes besides its answers: calculation sheets and
// charts. Given once for all the cars, but for the files of a --sheet-dir.
struct Outputs {
    std::optional<std::string> sheet;
    std::optional<std::string> sheetDir;
    std::optional<std::string> paper;
    std::optional<std::string> site;
    std::optional<std::string> inspector;
    std::optional<std::string> svg;
    std::optional<std::string> png;
    std::optional<std::string> size;
    std::vector<std::string> cars; // --car, as often as given
};

struct OptionEntry {
    std::string_view name; // without "--"
    std::string_view valueName;
    std::string_view help; // empty for an entry, whose help is answers::EntryHelp
    // An option of the invocation rather than an entry of the answers (which
    // has the option's name) keeps its text here; one given any number of
    // times, in the list.
    std::optional<std::string> Outputs::*output = nullptr;
    std::vector<std::string> Outputs::*outputs = nullptr;
};

// The option of that name, or nullptr.
const OptionEntry *OptionNamed(std::string_view name);

// What a command is asked: the entries (the unit system among them), the
// format, the batch and the outputs.
struct Request {
    answers::Entries entries;
    answers::Format format = answers::Format::Text;
    bool batch = false;
    std::string batchFile; // the file after --batch; empty or "-": standard input
    Outputs outputs;
};

} // namespace ratedload::cli
