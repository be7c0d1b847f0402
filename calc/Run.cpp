// SPDX-License-Identifier: MIT
#include "calc/Run.h"

namespace ratedload::calc {

// GCC 12 takes the inactive members of a moved std::variant for uninitialized
// when the vector grows; the steps are appended here only, where it is told so.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
void Run::Add(Step step)
{
    steps.push_back(std::move(step));
}

void Run::Add(Write &&write)
{
    steps.emplace_back(std::move(write));
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

std::optional<std::string> Run::Written(Field field) const
{
    if (const std::string *text = LastWritten(field))
        return *text;
    return std::nullopt;
}

const std::string *Run::LastWritten(Field field) const
{
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        if (const auto *write = std::get_if<Write>(&*step); write && write->field == field)
            return &write->text;
    }
    return nullptr;
}

} // namespace ratedload::calc
