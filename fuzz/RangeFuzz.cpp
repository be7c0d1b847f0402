// SPDX-License-Identifier: MIT
// A list of numbers and ranges either is refused with its own
// refusal or gives at most the rows allowed, each a number as the strict
// reading takes it.

#include "fuzz/FuzzInput.h"

#include "answers/Ranges.h"
#include "answers/Refusal.h"

#include "rules/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace ratedload;
    constexpr std::size_t kRows = 1000;
    const std::string text(reinterpret_cast<const char *>(data), size);
    try {
        const std::vector<std::string> values = answers::ExpandValues(text, kRows);
        FUZZ_CHECK(!values.empty() && values.size() <= kRows);
        for (const std::string &value : values)
            rules::StrictNumber(value);
    } catch (const answers::Refusal &) {
    }
    return 0;
}
