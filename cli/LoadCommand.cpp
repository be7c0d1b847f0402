// SPDX-License-Identifier: MIT
// load: the minimum rated load of a platform, with the area used and the
// maximum number of passengers.

#include "cli/Command.h"

namespace ratedload::cli {

namespace {

class LoadCommand : public CarCommand {
public:
    LoadCommand()
        : CarCommand(answers::LoadQuestion())
    {
    }
    std::string_view Summary() const override
    {
        return "minimum rated load of a platform, with the maximum number of passengers";
    }
    std::vector<std::string_view> Examples() const override
    {
        return { "ratedload-cli load --area 50",
            "ratedload-cli load --depth 7ft4in --width 5ft8in --type freight --class B",
            "ratedload-cli load --metric --depth 2m50mm --width 1350mm",
            "ratedload-cli load --type freight --class C1 --truck 2500 --area 40" };
    }
};

const LoadCommand kCommand;
const bool kRegistered = RegisterCommand(kCommand, 1);

} // namespace

} // namespace ratedload::cli
