// SPDX-License-Identifier: MIT
#include "cli/Options.h"

#include <array>

namespace ratedload::cli {

namespace {

constexpr std::array<OptionEntry, 18> kOptions { {
    { "type", "TYPE",
        "passenger (the default), freight or freight-passenger (a freight elevator permitted to "
        "carry passengers)" },
    { "class", "CLASS",
        "class of freight loading for --type freight: A (the default), B, C1, C2 or C3" },
    { "truck", "WEIGHT",
        "weight of the loaded truck, in pounds or kilograms: for classes C1 and C2 (needed) and "
        "for --type freight-passenger (a car that carries a loaded truck)" },
    { "load", "LOAD",
        "rated load in pounds (kilograms with --metric); for check, the load the car is plated "
        "for" },
    { "area", "AREA",
        "inside net platform area in square feet (square metres with --metric), instead of "
        "--depth and --width" },
    { "depth", "SIDE",
        "depth of the platform: 7ft4in, 7ft4-1/2in, 88in, 7.5ft; with --metric 2.05m, 2m50mm, "
        "2050mm" },
    { "width", "SIDE", "width of the platform, written as --depth" },
    { "loads", "LIST", "rated loads: START:STOP:STEP, numbers, or both, separated by commas" },
    { "areas", "LIST", "areas: START:STOP:STEP, numbers, or both, separated by commas" },
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
