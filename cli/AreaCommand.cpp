// SPDX-License-Identifier: MIT
// area: the maximum inside net platform area for a rated load, with the
// maximum number of passengers; given one side, the other side.

#include "cli/Command.h"

namespace ratedload::cli {

namespace {

class AreaCommand : public CarCommand {
public:
    AreaCommand()
        : CarCommand(answers::AreaQuestion())
    {
    }
    std::string_view Summary() const override
    {
        return "maximum inside net platform area for a rated load; with one side, the other "
               "side";
    }
    std::vector<std::string_view> Examples() const override
    {
        return { "ratedload-cli area --load 2500", "ratedload-cli area --load 2500 --width 5ft",
            "ratedload-cli area --metric --load 1000 --depth 1.6m",
            "ratedload-cli area --type freight --class B --load 3000" };
    }
};

const AreaCommand kCommand;
const bool kRegistered = RegisterCommand(kCommand, 2);

} // namespace

} // namespace ratedload::cli
