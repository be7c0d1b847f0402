// SPDX-License-Identifier: MIT
#include "tests/answers/Asked.h"

namespace ratedload::answers::test {

Entries EntriesOf(const std::vector<std::string> &args)
{
    Entries entries;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--metric") {
            entries.units = rules::Units::Metric;
        } else if (args[i] != "--batch") {
            *EntryNamed(entries, args[i].substr(2)) = args[i + 1];
            ++i;
        }
    }
    return entries;
}

} // namespace ratedload::answers::test
