// SPDX-License-Identifier: MIT
// The messages word for word, with the runs of blanks they begin with.

#include "calc/Messages.h"

#include <gtest/gtest.h>

#include <string>

namespace ratedload::calc {
namespace {

TEST(MessagesTest, AreThoseOfTheWindowUnderTheirTitles)
{
    const std::string rated = "Minimum Rated Load";
    const std::string area = "Maximum Inside Net Platform Area";
    const std::string blanks8(8, ' ');
    struct Expected {
        Message message;
        std::string title;
        std::string prompt;
    };
    for (const Expected &expected : {
             Expected { Message::BothWaysGiven, rated,
                 "Please enter the platform area or the depth and width ...but not both." },
             Expected { Message::NoTruckWeight, rated,
                 "Did you make an entry in the truck weight text box?" },
             Expected { Message::NoArea, rated,
                 "Please enter the platform area or the depth and width." },
             Expected { Message::NoRatedLoad, area,
                 std::string(13, ' ') + "Please enter the rated load." },
             Expected { Message::OnlyOneDimensionImperial, area,
                 blanks8 + "Please enter only one dimension." },
             Expected { Message::OnlyOneDimensionMetric, area,
                 blanks8 + "Please enter only one dimension" },
             Expected { Message::NoDimension, area,
                 std::string(6, ' ') + "Please enter the depth or the width." },
         }) {
        const MessageText text = TextOf(expected.message);
        EXPECT_EQ(text.title, expected.title) << expected.prompt;
        EXPECT_EQ(text.prompt, expected.prompt);
    }
}

} // namespace
} // namespace ratedload::calc
