// SPDX-License-Identifier: MIT
#include "cli/Sheets.h"

namespace ratedload::cli {

namespace {

const SheetMaker *&Registered()
{
    static const SheetMaker *maker = nullptr;
    return maker;
}

} // namespace

bool RegisterSheetMaker(const SheetMaker &maker)
{
    Registered() = &maker;
    return true;
}

const SheetMaker *RegisteredSheetMaker()
{
    return Registered();
}

std::string OutputsText()
{
    std::string text = "Outputs: text, csv and json on standard output";
    const bool sheets = RegisteredSheetMaker() != nullptr;
    const bool charts = CommandNamed("chart") != nullptr;
    if (sheets)
        text += "; calculation sheets as PDF (--sheet, --sheet-dir with --batch) of load, area "
                "and check";
    if (charts)
        text += "; charts as SVG and PNG (chart)";
    if (!sheets && !charts)
        text += "; this build has no calculation sheets or charts (it was built without Qt 6 "
                "Gui and Svg)";
    return text + ".";
}

} // namespace ratedload::cli
