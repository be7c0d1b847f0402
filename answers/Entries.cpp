// SPDX-License-Identifier: MIT
#include "answers/Entries.h"

#include <array>

namespace ratedload::answers {

namespace {

struct Entry {
    std::string_view name;
    EntryMember member;
    std::string_view help;
};

constexpr std::array<Entry, 9> kEntries { {
    { "type", &Entries::type,
        "passenger (the default), freight or freight-passenger (a freight elevator permitted to "
        "carry passengers)" },
    { "class", &Entries::freightClass,
        "class of freight loading for the type freight: A (the default), B, C1, C2 or C3" },
    { "truck", &Entries::truck,
        "weight of the loaded truck, in pounds or kilograms: for classes C1 and C2 (needed) and "
        "for the type freight-passenger (a car that carries a loaded truck)" },
    { "load", &Entries::load,
        "rated load in pounds (kilograms in metric units); for a check, the load the car is "
        "plated for" },
    { "area", &Entries::area,
        "inside net platform area in square feet (square metres in metric units), instead of "
        "the depth and the width" },
    { "depth", &Entries::depth,
        "depth of the platform: 7ft4in, 7ft4-1/2in, 88in, 7.5ft; in metric units 2.05m, 2m50mm, "
        "2050mm" },
    { "width", &Entries::width, "width of the platform, written as the depth" },
    { "loads", &Entries::loads,
        "rated loads: START:STOP:STEP, numbers, or both, separated by commas" },
    { "areas", &Entries::areas, "areas: START:STOP:STEP, numbers, or both, separated by commas" },
} };

} // namespace

std::string_view EntryHelp(std::string_view name)
{
    for (const Entry &entry : kEntries) {
        if (entry.name == name)
            return entry.help;
    }
    return {};
}

EntryMember EntryMemberNamed(std::string_view name)
{
    for (const Entry &entry : kEntries) {
        if (entry.name == name)
            return entry.member;
    }
    return nullptr;
}

std::optional<std::string> *EntryNamed(Entries &entries, std::string_view name)
{
    const EntryMember member = EntryMemberNamed(name);
    return member ? &(entries.*member) : nullptr;
}

const std::optional<std::string> *EntryNamed(const Entries &entries, std::string_view name)
{
    return EntryNamed(const_cast<Entries &>(entries), name);
}

} // namespace ratedload::answers
