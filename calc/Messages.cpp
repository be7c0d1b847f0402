// SPDX-License-Identifier: MIT
#include "calc/Messages.h"

#include <array>
#include <utility>

namespace ratedload::calc {

namespace {

constexpr std::string_view kRatedLoadTitle = "Minimum Rated Load";
constexpr std::string_view kAreaTitle = "Maximum Inside Net Platform Area";

// Some prompts begin with a run of blanks: they are part of the text.
constexpr std::array<std::pair<Message, MessageText>, 7> kMessages { {
    { Message::BothWaysGiven,
        { kRatedLoadTitle,
            "Please enter the platform area or the depth and width ...but not both." } },
    { Message::NoTruckWeight,
        { kRatedLoadTitle, "Did you make an entry in the truck weight text box?" } },
    { Message::NoArea,
        { kRatedLoadTitle, "Please enter the platform area or the depth and width." } },
    { Message::NoRatedLoad, { kAreaTitle, "             Please enter the rated load." } },
    { Message::OnlyOneDimensionImperial,
        { kAreaTitle, "        Please enter only one dimension." } },
    { Message::OnlyOneDimensionMetric, { kAreaTitle, "        Please enter only one dimension" } },
    { Message::NoDimension, { kAreaTitle, "      Please enter the depth or the width." } },
} };

} // namespace

MessageText TextOf(Message message)
{
    for (const auto &[key, text] : kMessages) {
        if (key == message)
            return text;
    }
    return {};
}

} // namespace ratedload::calc
