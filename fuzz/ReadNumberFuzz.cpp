// SPDX-License-Identifier: MIT
// ReadNumber never throws, and blanks, tabs and line feeds anywhere in the
// text change nothing.

#include "fuzz/FuzzInput.h"
#include "rules/NumberText.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using ratedload::rules::ReadNumber;
    if (size == 0)
        return 0;
    // The first byte says where to put blanks: every n-th character.
    const std::size_t every = data[0] % 5 + 1;
    const std::string text(reinterpret_cast<const char *>(data) + 1, size - 1);
    const double value = ReadNumber(text);
    FUZZ_CHECK(!std::isnan(value));

    std::string spaced;
    const char blanks[] = { ' ', '\t', '\n' };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i % every == 0)
            spaced += blanks[i % 3];
        spaced += text[i];
    }
    const double spacedValue = ReadNumber(spaced);
    FUZZ_CHECK(std::memcmp(&value, &spacedValue, sizeof value) == 0);
    return 0;
}
