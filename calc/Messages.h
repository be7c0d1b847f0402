// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace ratedload::calc {

// What the computing procedures tell the user. Each ends its procedure, but
// BothWaysGiven, after which Calculate goes on with the typed area.
enum class Message {
    BothWaysGiven,
    NoTruckWeight,
    NoArea,
    NoRatedLoad,
    OnlyOneDimensionImperial,
    OnlyOneDimensionMetric,
    NoDimension,
};

// A message as its box shows it: the title and the prompt, word for word,
// leading blanks included.
struct MessageText {
    std::string_view title;
    std::string_view prompt;
};

MessageText TextOf(Message message);

} // namespace ratedload::calc
