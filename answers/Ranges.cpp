// SPDX-License-Identifier: MIT
#include "answers/Ranges.h"

#include "answers/Refusal.h"
#include "answers/Text.h"

#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include <cmath>

namespace ratedload::answers {

namespace {

// A step may fall short of STOP by rounding in binary (0:0.3:0.1); so little
// is not a step short.
constexpr double kCountTolerance = 1e-9;

Refusal TooManyRows(std::size_t maxRows)
{
    return Refusal(Refusal::Kind::Input, "",
        "more than " + std::to_string(maxRows) + " rows, the most that a table may have");
}

double NumberIn(std::string_view item, std::string_view text)
{
    try {
        return rules::StrictNumber(text);
    } catch (const rules::RunTimeError &) {
        Refuse("", "expected a number or START:STOP:STEP, got '" + std::string(item) + "'");
    }
}

void AddRange(std::string_view item, std::vector<std::string> &values, std::size_t maxRows)
{
    const std::size_t first = item.find(':');
    const std::size_t second = item.find(':', first + 1);
    if (second == std::string_view::npos || item.find(':', second + 1) != std::string_view::npos)
        Refuse("", "expected a range START:STOP:STEP, got '" + std::string(item) + "'");
    const double start = NumberIn(item, Trimmed(item.substr(0, first)));
    const double stop = NumberIn(item, Trimmed(item.substr(first + 1, second - first - 1)));
    const double step = NumberIn(item, Trimmed(item.substr(second + 1)));
    if (step == 0.0)
        Refuse("", "the step of " + std::string(item) + " is zero");
    if ((stop - start) * step < 0.0)
        Refuse("", "the step of " + std::string(item) + " must be "
            + (step > 0.0 ? "negative" : "positive") + " to go from " + rules::DoubleToText(start)
            + " to " + rules::DoubleToText(stop));
    const double steps = (stop - start) / step + kCountTolerance;
    const std::size_t room = maxRows - values.size();
    // Also refuses a count that is not finite.
    if (!(steps < static_cast<double>(room)))
        throw TooManyRows(maxRows);
    const auto count = static_cast<std::size_t>(std::floor(steps)) + 1;
    for (std::size_t i = 0; i < count; ++i) {
        const double value = start + static_cast<double>(i) * step;
        values.push_back(rules::DoubleToText(value));
    }
}

} // namespace

std::vector<std::string> ExpandValues(std::string_view list, std::size_t maxRows)
{
    std::vector<std::string> values;
    std::size_t begin = 0;
    while (true) {
        const std::size_t comma = list.find(',', begin);
        const std::string_view item = Trimmed(list.substr(begin, comma - begin));
        if (item.empty())
            Refuse("", "expected numbers or ranges START:STOP:STEP separated by commas, "
                             "got '"
                + std::string(list) + "'");
        if (item.find(':') != std::string_view::npos) {
            AddRange(item, values, maxRows);
        } else {
            NumberIn(item, item);
            if (values.size() >= maxRows)
                throw TooManyRows(maxRows);
            values.emplace_back(item);
        }
        if (comma == std::string_view::npos)
            break;
        begin = comma + 1;
    }
    return values;
}

} // namespace ratedload::answers
