// SPDX-License-Identifier: MIT
#include "cli/Options.h"

#include <array>

namespace ratedload::cli {

namespace {

constexpr std::array<OptionEntry, 18> kOptions { {
    // The entries: their help is the answers' own.
    { "type", "TYPE", {} },
    { "class", "CLASS", {} },
    { "truck", "WEIGHT", {} },
    { "load", "LOAD", {} },
    { "area", "AREA", {} },
    { "depth", "SIDE", {} },
    { "width", "SIDE", {} },
    { "loads", "LIST", {} },
    { "areas", "LIST", {} },
    { "sheet", "FILE",
        "write a calculation sheet of the car: one page of PDF (- for standard output, in place "
        "of the answers)",
        &Outputs::sheet },
    { "sheet-dir", "DIR",
        "with --batch, write a calculation sheet of each car into DIR, named after its id (else "
        "its line number)",
        &Outputs::sheetDir },
    { "paper", "PAPER",
        "paper of the sheet: letter (the default in imperial units) or a4 (the default with "
        "--metric)",
        &Outputs::paper },
    { "site", "TEXT", "the site, for the title block of the sheet",
        &Outputs::site },
    { "car", "CAR", "the car's name or number, for the title block of the sheet", nullptr,
        &Outputs::cars },
    { "inspector", "NAME", "the inspector's name, for the title block of the sheet",
        &Outputs::inspector },
    { "svg", "FILE", "write the chart as SVG (- for standard output)",
        &Outputs::svg },
    { "png", "FILE", "write the chart as PNG (- for standard output)",
        &Outputs::png },
    { "size", "WxH", "size of the chart in pixels (1200x800 by default)",
        &Outputs::size },
} };

} // namespace

const OptionEntry *OptionNamed(std::string_view name)
{
    for (const OptionEntry &option : kOptions) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

} // namespace ratedload::cli
