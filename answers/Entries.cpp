// SPDX-License-Identifier: MIT
#include "answers/Entries.h"

#include <array>
#include <utility>

namespace ratedload::answers {

namespace {

using Member = std::optional<std::string> Entries::*;

constexpr std::array<std::pair<std::string_view, Member>, 9> kEntries { {
    { "type", &Entries::type },
    { "class", &Entries::freightClass },
    { "truck", &Entries::truck },
    { "load", &Entries::load },
    { "area", &Entries::area },
    { "depth", &Entries::depth },
    { "width", &Entries::width },
    { "loads", &Entries::loads },
    { "areas", &Entries::areas },
} };

} // namespace

std::optional<std::string> *EntryNamed(Entries &entries, std::string_view name)
{
    for (const auto &[entry, member] : kEntries) {
        if (entry == name)
            return &(entries.*member);
    }
    return nullptr;
}

const std::optional<std::string> *EntryNamed(const Entries &entries, std::string_view name)
{
    return EntryNamed(const_cast<Entries &>(entries), name);
}

} // namespace ratedload::answers
