// SPDX-License-Identifier: MIT
#pragma once

#include "rules/Units.h"

#include <optional>
#include <string>
#include <string_view>

namespace ratedload::answers {

// The texts given for one car or one row, as a person typed them (on the
// command line, in a line of a batch, in a field of the page); nullopt where
// an entry was not given. Each is named as the option of the command line
// that gives it: type, class, truck, load, area, depth, width, loads, areas.
struct Entries {
    rules::Units units = rules::Units::Imperial;
    std::optional<std::string> type;
    std::optional<std::string> freightClass;
    std::optional<std::string> truck;
    std::optional<std::string> load;
    std::optional<std::string> area;
    std::optional<std::string> depth;
    std::optional<std::string> width;
    std::optional<std::string> loads; // the rows of a table of loads
    std::optional<std::string> areas; // the rows of a table of areas
};

// The names of the entries, in the order of Entries.
inline constexpr std::string_view kEntryNames[]
    = { "type", "class", "truck", "load", "area", "depth", "width", "loads", "areas" };

// What an entry is, for the help of every front end: "depth of the
// platform: 7ft4in, ...". Empty for a name that is no entry.
std::string_view EntryHelp(std::string_view name);

// The member that holds the entry of that name, or nullptr for a name that
// is no entry: for a name looked up once and used for many entries.
using EntryMember = std::optional<std::string> Entries::*;
EntryMember EntryMemberNamed(std::string_view name);

// The entry of that name, or nullptr for a name that is no entry.
std::optional<std::string> *EntryNamed(Entries &entries, std::string_view name);
const std::optional<std::string> *EntryNamed(const Entries &entries, std::string_view name);

} // namespace ratedload::answers
