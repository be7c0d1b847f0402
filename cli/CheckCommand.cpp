// SPDX-License-Identifier: MIT
// check: for an existing car, the load its platform requires, the area its
// plated load permits, the margin of each and the verdict.

#include "cli/Command.h"

namespace ratedload::cli {

namespace {

class CheckCommand : public CarCommand {
public:
    CheckCommand()
        : CarCommand(answers::CheckQuestion())
    {
    }
    std::string_view Summary() const override
    {
        return "check an existing car: the load its platform requires, the area its plated "
               "load permits, the margins of each and a verdict";
    }
    std::vector<std::string_view> Examples() const override
    {
        return { "ratedload-cli check --load 2500 --depth 7ft4in --width 5ft8in",
            "ratedload-cli check --metric --load 1000 --area 2.4",
            "ratedload-cli check --batch --format csv < fleet.csv   (columns such as "
            "id,load,depth,width)" };
    }
    std::string_view Notes() const override
    {
        return "The verdict: the car passes when its inside net platform area is at most the "
               "maximum area permitted for its plated load, the two compared at 4 decimal "
               "places, the precision the maximum area is given in. A platform given by its "
               "sides is compared with the area of the sides as given; sides are given to 4 "
               "decimal places of an inch (of a millimetre), as area gives a found side, and "
               "where that last place decides the verdict it goes in the car's favour. A car "
               "whose area is larger but at most 105 % of the maximum area passes within the "
               "5 % allowance (exit status 3); the limit is 105 % of the maximum area rounded "
               "down to 4 decimal places, never up, and the car is compared with the limit as "
               "shown. A larger car fails (exit status 1), and so does a car plated for less "
               "than the weight of the loaded truck it takes (--truck). The minimum rated load "
               "of the platform and the load margin are shown beside the verdict.";
    }
};

const CheckCommand kCommand;
const bool kRegistered = RegisterCommand(kCommand, 4);

} // namespace

} // namespace ratedload::cli
