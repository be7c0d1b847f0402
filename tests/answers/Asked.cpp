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

std::vector<std::string> Words(const std::string &line)
{
    std::vector<std::string> words;
    std::size_t pos = 0;
    while ((pos = line.find_first_not_of(' ', pos)) != std::string::npos) {
        const std::size_t end = line.find(' ', pos);
        words.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return words;
}

} // namespace ratedload::answers::test
