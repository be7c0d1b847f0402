// SPDX-License-Identifier: MIT
// The calculation sheet of a car that load, area or check answered: its
// entries as given, the rule applied, the figures of the answer and, for
// check, the verdict, with the chart of this car. Every figure is the
// answer's or calc's own text.

#include "cli/Failure.h"
#include "cli/OutputFile.h"
#include "cli/Reading.h"
#include "cli/Sheets.h"
#include "cli/Text.h"

#include "calc/RuleApplied.h"

#include "report/Report.h"

#include "rules/NumberText.h"

#include <cmath>
#include <filesystem>
#include <memory>
#include <set>
#include <system_error>

namespace ratedload::cli {

namespace {

namespace fs = std::filesystem;

using calc::ElevatorType;
using rules::FreightClass;

constexpr std::size_t kLongestName = 100;

std::string TypeCaption(ElevatorType type)
{
    switch (type) {
    case ElevatorType::Passenger:
        return "Passenger";
    case ElevatorType::Freight:
        return "Freight";
    case ElevatorType::FreightPassenger:
        break;
    }
    return "Freight / Passenger (a freight elevator permitted to carry passengers)";
}

std::string ClassCaption(FreightClass freightClass)
{
    std::string caption = std::string(ClassName(freightClass)) + ": ";
    switch (freightClass) {
    case FreightClass::A:
        return caption + "General Freight Loading";
    case FreightClass::B:
        return caption + "Motor Vehicle Loading";
    case FreightClass::C1:
        return caption + "Industrial Truck Loading, the truck carried by the elevator";
    case FreightClass::C2:
        return caption
            + "Industrial Truck Loading, the truck used for loading and unloading but not "
              "usually carried";
    case FreightClass::C3:
        break;
    }
    return caption + "Other Loading With Heavy Concentrations";
}

// A side as its row of lists holds it, and as it was typed.
std::string SideCaption(
    rules::Units units, const rules::DimensionTexts &lists, int row, const std::string &typed)
{
    const std::size_t first = row == 0 ? 0 : 4;
    std::string read;
    if (units == rules::Units::Imperial) {
        read = lists[first] + " ft " + lists[first + 1] + " in";
        if (lists[first + 2] != "0")
            read += " + " + lists[first + 2] + " in";
    } else {
        read = lists[first] + " m " + lists[first + 3] + " mm";
    }
    return read + " (typed " + std::string(Trimmed(typed)) + ")";
}

// An entry as given, with its unit.
std::string Given(const std::string &text, const std::string &unit)
{
    return std::string(Trimmed(text)) + " " + unit;
}

std::optional<std::string> Value(const Answered &answered, std::string_view key)
{
    for (std::size_t i = 0; i < answered.columns.size() && i < answered.row.size(); ++i) {
        if (answered.columns[i].key == key)
            return answered.row[i];
    }
    return std::nullopt;
}

double Number(const Answered &answered, std::string_view key)
{
    return rules::ReadNumber(Value(answered, key).value_or("0"));
}

// Names that Windows keeps for its devices, with any extension: a sheet
// named so could not be copied there.
bool IsDeviceName(const std::string &name)
{
    const std::string stem = Lower(name.substr(0, name.find('.')));
    for (const char *device : { "con", "prn", "aux", "nul" }) {
        if (stem == device)
            return true;
    }
    return stem.size() == 4 && (stem.rfind("com", 0) == 0 || stem.rfind("lpt", 0) == 0)
        && stem[3] >= '1' && stem[3] <= '9';
}

// A file name from a batch's id: letters, digits, "-", "_" and "." kept,
// anything else "_"; no leading point (no hidden file, no ".."), and no
// name of a Windows device.
std::string SafeName(const std::string &id)
{
    std::string name;
    for (const char c : id) {
        const bool kept
            = IsLetter(c) || IsDigit(c) || c == '-' || c == '_' || (c == '.' && !name.empty());
        name += kept ? c : '_';
        if (name.size() == kLongestName)
            break;
    }
    if (name.find_first_not_of('_') == std::string::npos)
        return {};
    if (IsDeviceName(name))
        name.insert(std::min(name.find('.'), name.size()), "_");
    return name;
}

class Sheets {
public:
    Sheets(const CarCommand &command, const Request &request, std::ostream &standardOutput)
        : command_(command)
        , request_(request)
        , standardOutput_(standardOutput)
    {
    }

    void Write(const Answered &answered)
    {
        if (!session_)
            session_ = std::make_unique<report::PaintingSession>();
        const std::string option = request_.batch ? "sheet-dir" : "sheet";
        const std::string path = request_.batch ? PathIn(answered) : *request_.outputs.sheet;
        try {
            WriteOutputFile(path, report::SheetPdf(SheetOf(answered)), standardOutput_);
        } catch (const std::runtime_error &error) {
            Refuse(option, error.what());
        }
    }

private:
    std::string PathIn(const Answered &answered)
    {
        const std::string line = "line-" + std::to_string(answered.line);
        std::string base = SafeName(answered.id.value_or(""));
        if (base.empty())
            base = line;
        // Two ids may make one name, or names that differ in case only, which
        // a disk that ignores case takes for one; an id may also be the name
        // that another was given.
        std::string name = base;
        if (used_.count(Lower(name)))
            name = base + "-" + line;
        for (int n = 2; used_.count(Lower(name)); ++n)
            name = base + "-" + line + "-" + std::to_string(n);
        used_.insert(Lower(name));
        return (fs::path(*request_.outputs.sheetDir) / (name + ".pdf")).string();
    }

    report::Sheet SheetOf(const Answered &answered) const
    {
        const Options &options = answered.options;
        const rules::Units units = answered.units;
        const std::string areaUnit(calc::AreaUnit(units));
        const std::string loadUnit(calc::LoadUnit(units));
        const std::string name(command_.Name());
        const bool check = name == "check";
        const bool load = name == "load";

        report::Sheet sheet;
        sheet.paper = PaperOf(request_.outputs.paper, units);
        sheet.title = check ? "Calculation sheet: check of an elevator car"
            : load          ? "Calculation sheet: minimum rated load of a platform"
                            : "Calculation sheet: maximum inside net platform area";
        sheet.program = std::string("ratedload-cli ") + RATEDLOAD_VERSION;
        std::string car = answered.id.value_or("");
        if (car.empty() && !request_.outputs.cars.empty())
            car = request_.outputs.cars.front();
        sheet.fields = { { "Site", request_.outputs.site.value_or("") }, { "Car", car },
            { "Inspector", request_.outputs.inspector.value_or("") } };

        const ElevatorType type = TypeOf(options.type);
        const std::optional<FreightClass> freightClass = ClassOf(options.freightClass, type);
        report::SheetSection entries { "Entries as given", {}, 2 };
        entries.rows.push_back({ "Elevator type", TypeCaption(type), "", false });
        if (freightClass)
            entries.rows.push_back(
                { "Class of freight loading", ClassCaption(*freightClass), "", false });
        if (options.truck)
            entries.rows.push_back(
                { "Weight of the loaded truck", Given(*options.truck, loadUnit), "", false });
        if (options.load)
            entries.rows.push_back({ check ? "Rated load (plated)" : "Rated load",
                Given(*options.load, loadUnit), "", false });
        const rules::DimensionTexts lists = ListsOf(options, units);
        if (options.area)
            entries.rows.push_back(
                { "Inside net platform area (typed)", Given(*options.area, areaUnit), "", false });
        if (options.depth)
            entries.rows.push_back(
                { "Depth", SideCaption(units, lists, 0, *options.depth), "", false });
        if (options.width)
            entries.rows.push_back(
                { "Width", SideCaption(units, lists, 1, *options.width), "", false });
        // For area a side is given to find the other, not a platform.
        if ((load || check) && !options.area && options.depth && options.width)
            entries.rows.push_back({ "Inside net platform area, from the sides",
                Value(answered, "area").value_or("") + " " + areaUnit, "", false });
        sheet.sections.push_back(entries);

        report::SheetSection rule { "Rule applied", {}, 1 };
        if (load || check) {
            if (const auto applied = calc::LoadRuleOf(RatedLoadEntriesOf(units, options))) {
                rule.rows.push_back({ "Minimum rated load", applied->rule, "", false });
                rule.rows.push_back(
                    { "The rule gives, for the area", applied->ruleLoad, loadUnit });
                if (applied->truckGoverns)
                    rule.rows.push_back({ "Loaded truck",
                        "heavier than the rule's load: its weight is the minimum rated load", "",
                        false });
            }
        }
        if (!load) {
            if (const auto applied = calc::AreaRuleOf(MaximumAreaEntriesOf(units, options)))
                rule.rows.push_back({ check ? "Maximum area for the plated load"
                                            : "Maximum area for the rated load",
                    *applied + ", to 4 decimal places", "", false });
        }
        sheet.sections.push_back(rule);

        report::SheetSection figures { "Figures", {}, 2 };
        for (std::size_t i = 0; i < answered.columns.size() && i < answered.row.size(); ++i) {
            const Column &column = answered.columns[i];
            if (column.key == "verdict" || !answered.row[i] || answered.row[i]->empty())
                continue;
            figures.rows.push_back(
                { column.label, *answered.row[i], column.unit, column.kind == Kind::Number });
        }
        sheet.sections.push_back(figures);

        sheet.chart.units = units;
        sheet.chart.type = type;
        sheet.chart.freightClass = freightClass;
        report::ChartPoint point;
        if (check) {
            const std::string verdict = Value(answered, "verdict").value_or("");
            point = { Number(answered, "area"), Number(answered, "rated_load"),
                report::MarkOfVerdict(verdict) };
            sheet.verdict = report::SheetVerdict { verdict, point.mark,
                Explanation(answered, point.mark, areaUnit, loadUnit) };
        } else if (load) {
            point = { Number(answered, "area"), Number(answered, "min_rated_load") };
        } else {
            point = { Number(answered, "max_area"), Number(answered, "rated_load") };
        }
        sheet.chart.points.push_back(point);
        // Wide enough for the car twice over and, for passengers, the threshold.
        const double step = units == rules::Units::Imperial ? 10 : 1;
        const double span = std::max(2 * point.area, report::DefaultToArea(units) / 2);
        sheet.chart.toArea = std::isfinite(span) ? std::ceil(span / step) * step : span;
        return sheet;
    }

    static std::string Explanation(const Answered &answered, report::Mark mark,
        const std::string &unit, const std::string &loadUnit)
    {
        const Options &options = answered.options;
        if (mark == report::Mark::Fails && options.truck && options.load
            && rules::ReadNumber(*options.truck) > rules::ReadNumber(*options.load))
            return "The car is plated for " + AsWritten(*options.load) + " " + loadUnit
                + ", less than the weight of the loaded truck it takes, "
                + AsWritten(*options.truck) + " " + loadUnit
                + "; it fails whatever its area, for the maximum area leaves the truck out.";
        const std::string compared = Value(answered, "area_compared").value_or("") + " " + unit;
        const std::string maximum = Value(answered, "max_area").value_or("") + " " + unit;
        const std::string allowed = Value(answered, "max_area_allowance").value_or("") + " " + unit;
        const std::string area = "The car's area, " + compared + " to 4 decimal places, is ";
        switch (mark) {
        case report::Mark::Passes:
            return area + "at most the maximum area for its plated load, " + maximum + ".";
        case report::Mark::PassesWithinAllowance:
            return area + "more than the maximum area for its plated load, " + maximum
                + ", but at most 105 % of it, " + allowed
                + ": within the 5 % allowance for variations in car designs.";
        default:
            break;
        }
        return area + "more than 105 % of the maximum area for its plated load (" + maximum
            + "; 105 %: " + allowed + ").";
    }

public:
    static report::Paper PaperOf(const std::optional<std::string> &paper, rules::Units units)
    {
        if (!paper)
            return units == rules::Units::Imperial ? report::Paper::Letter : report::Paper::A4;
        const std::string name = Lower(Trimmed(*paper));
        if (name == "letter")
            return report::Paper::Letter;
        if (name == "a4")
            return report::Paper::A4;
        Refuse("paper", "expected letter or a4, got '" + *paper + "'");
    }

private:
    const CarCommand &command_;
    const Request &request_;
    std::ostream &standardOutput_;
    std::unique_ptr<report::PaintingSession> session_;
    std::set<std::string> used_;
};

void CheckFile(std::string_view option, const std::string &path)
{
    if (IsStandardOutput(path))
        return;
    std::error_code error;
    if (fs::is_directory(path, error))
        Refuse(option, "'" + path + "' is a folder");
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty() && !fs::is_directory(parent, error))
        Refuse(option, "cannot write '" + path + "': no folder '" + parent.string() + "'");
}

void MakeFolder(const std::string &path)
{
    if (IsStandardOutput(path))
        Refuse("sheet-dir", "a folder for the sheets, not standard output");
    std::error_code error;
    if (fs::exists(path, error) && !fs::is_directory(path, error))
        Refuse("sheet-dir", "'" + path + "' is not a folder");
    fs::create_directories(path, error);
    if (error)
        Refuse("sheet-dir", "cannot make the folder '" + path + "': " + error.message());
}

class SheetOutput : public SheetMaker {
public:
    std::vector<std::string_view> OptionNames() const override
    {
        return { "sheet", "sheet-dir", "paper", "site", "car", "inspector" };
    }

    AnswerHook Prepare(
        const CarCommand &command, const Request &request, std::ostream &out) const override
    {
        const Outputs &outputs = request.outputs;
        if (outputs.sheet && request.batch)
            Refuse("sheet", "with --batch, --sheet-dir DIR writes a sheet of each car");
        if (outputs.sheetDir && !request.batch)
            Refuse("sheet-dir", "for --batch; --sheet FILE writes the sheet of one car");
        if (outputs.cars.size() > 1)
            Refuse("car", "given more than once; a sheet names one car");
        const bool asked = outputs.sheet || outputs.sheetDir;
        const std::pair<std::string_view, bool> details[]
            = { { "paper", bool(outputs.paper) }, { "site", bool(outputs.site) },
                  { "car", !outputs.cars.empty() }, { "inspector", bool(outputs.inspector) } };
        for (const auto &[name, given] : details) {
            if (given && !asked)
                Refuse(name, "is for a sheet; give --sheet FILE (--sheet-dir DIR with --batch)");
        }
        if (!asked)
            return {};
        Sheets::PaperOf(outputs.paper, request.units);
        if (outputs.sheet)
            CheckFile("sheet", *outputs.sheet);
        else
            MakeFolder(*outputs.sheetDir);
        auto sheets = std::make_shared<Sheets>(command, request, out);
        return [sheets](const Answered &answered) { sheets->Write(answered); };
    }
};

const SheetOutput kSheets;
const bool kRegistered = RegisterSheetMaker(kSheets);

} // namespace

} // namespace ratedload::cli
