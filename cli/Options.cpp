// SPDX-License-Identifier: MIT
#include "cli/Options.h"

#include <array>

namespace ratedload::cli {

namespace {

constexpr std::array<OptionEntry, 18> kOptions { {
    { "type", "TYPE",
        "passenger (the default), freight or freight-passenger (a freight elevator permitted to "
        "carry passengers)",
        &Options::type, true },
    { "class", "CLASS",
        "class of freight loading for --type freight: A (the default), B, C1, C2 or C3",
        &Options::freightClass, true },
    { "truck", "WEIGHT",
        "weight of the loaded truck, in pounds or kilograms: for classes C1 and C2 (needed) and "
        "for --type freight-passenger (a car that carries a loaded truck)",
        &Options::truck, true },
    { "load", "LOAD",
        "rated load in pounds (kilograms with --metric); for check, the load the car is plated "
        "for",
        &Options::load, true },
    { "area", "AREA",
        "inside net platform area in square feet (square metres with --metric), instead of "
        "--depth and --width",
        &Options::area, true },
    { "depth", "SIDE",
        "depth of the platform: 7ft4in, 7ft4-1/2in, 88in, 7.5ft; with --metric 2.05m, 2m50mm, "
        "2050mm",
        &Options::depth, true },
    { "width", "SIDE", "width of the platform, written as --depth", &Options::width, true },
    { "loads", "LIST", "rated loads: START:STOP:STEP, numbers, or both, separated by commas",
        &Options::loads, false },
    { "areas", "LIST", "areas: START:STOP:STEP, numbers, or both, separated by commas",
        &Options::areas, false },
    { "sheet", "FILE",
        "write a calculation sheet of the car: one page of PDF (- for standard output, in place "
        "of the answers)",
        nullptr, false,
        &Outputs::sheet },
    { "sheet-dir", "DIR",
        "with --batch, write a calculation sheet of each car into DIR, named after its id (else "
        "its line number)",
        nullptr, false, &Outputs::sheetDir },
    { "paper", "PAPER",
        "paper of the sheet: letter (the default in imperial units) or a4 (the default with "
        "--metric)",
        nullptr, false, &Outputs::paper },
    { "site", "TEXT", "the site, for the title block of the sheet", nullptr, false,
        &Outputs::site },
    { "car", "CAR", "the car's name or number, for the title block of the sheet", nullptr, false,
        nullptr, &Outputs::cars },
    { "inspector", "NAME", "the inspector's name, for the title block of the sheet", nullptr, false,
        &Outputs::inspector },
    { "svg", "FILE", "write the chart as SVG (- for standard output)", nullptr, false,
        &Outputs::svg },
    { "png", "FILE", "write the chart as PNG (- for standard output)", nullptr, false,
        &Outputs::png },
    { "size", "WxH", "size of the chart in pixels (1200x800 by default)", nullptr, false,
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

std::optional<std::string> *TextOf(Options &options, std::string_view name)
{
    const OptionEntry *option = OptionNamed(name);
    return option && option->text ? &(options.*(option->text)) : nullptr;
}

const std::optional<std::string> *TextOf(const Options &options, std::string_view name)
{
    const OptionEntry *option = OptionNamed(name);
    return option && option->text ? &(options.*(option->text)) : nullptr;
}

} // namespace ratedload::cli
