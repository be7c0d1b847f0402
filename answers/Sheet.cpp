// SPDX-License-Identifier: MIT
// The content of a calculation sheet and of a chart. Every figure is the
// answer's or calc's own text.

#include "answers/Sheet.h"

#include "answers/Questions.h"
#include "answers/Reading.h"
#include "answers/Refusal.h"
#include "answers/Text.h"

#include "calc/RuleApplied.h"

#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ratedload::answers {

namespace {

using calc::ElevatorType;
using rules::FreightClass;

constexpr int kSmallestChart = 400;
constexpr int kLargestChart = 8000;

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
std::string Given(const std::string &text, std::string_view unit)
{
    return std::string(Trimmed(text)) + " " + std::string(unit);
}

std::string ValueOf(
    const std::vector<Column> &columns, const Answer &answer, std::string_view key)
{
    for (std::size_t i = 0; i < columns.size() && i < answer.row.size(); ++i) {
        if (columns[i].key == key)
            return answer.row[i].value_or("");
    }
    return {};
}

std::vector<SheetRow> RuleRows(const Question &question, const Entries &entries)
{
    const std::string_view loadUnit = calc::LoadUnit(entries.units);
    const bool check = question.Name() == "check";
    const bool load = question.Name() == "load";
    std::vector<SheetRow> rows;
    if (load || check) {
        if (const auto applied = calc::LoadRuleOf(RatedLoadEntriesOf(entries))) {
            rows.push_back({ "Minimum rated load", applied->rule, "", false });
            rows.push_back(
                { "The rule gives, for the area", applied->ruleLoad, std::string(loadUnit) });
            if (applied->truckGoverns)
                rows.push_back({ "Loaded truck",
                    "heavier than the rule's load: its weight is the minimum rated load", "",
                    false });
        }
    }
    if (!load) {
        if (const auto applied = calc::AreaRuleOf(MaximumAreaEntriesOf(entries)))
            rows.push_back(
                { check ? "Maximum area for the plated load" : "Maximum area for the rated load",
                    *applied + ", to 4 decimal places", "", false });
    }
    return rows;
}

std::string VerdictExplanation(const Entries &entries, const std::vector<Column> &columns,
    const Answer &answer, Mark mark)
{
    const std::string unit(calc::AreaUnit(entries.units));
    const std::string loadUnit(calc::LoadUnit(entries.units));
    if (mark == Mark::Fails && entries.truck && entries.load
        && rules::ReadNumber(*entries.truck) > rules::ReadNumber(*entries.load))
        return "The car is plated for " + AsWritten(*entries.load) + " " + loadUnit
            + ", less than the weight of the loaded truck it takes, " + AsWritten(*entries.truck)
            + " " + loadUnit
            + "; it fails whatever its area, for the maximum area leaves the truck out.";
    const std::string compared = ValueOf(columns, answer, "area_compared") + " " + unit;
    const std::string maximum = ValueOf(columns, answer, "max_area") + " " + unit;
    const std::string allowed = ValueOf(columns, answer, "max_area_allowance") + " " + unit;
    const std::string area = "The car's area, " + compared + " to 4 decimal places, is ";
    switch (mark) {
    case Mark::Passes:
        return area + "at most the maximum area for its plated load, " + maximum + ".";
    case Mark::PassesWithinAllowance:
        return area + "more than the maximum area for its plated load, " + maximum
            + ", but at most 105 % of it, " + allowed
            + ": within the 5 % allowance for variations in car designs.";
    default:
        break;
    }
    return area + "more than 105 % of the maximum area for its plated load (" + maximum
        + "; 105 %: " + allowed + ").";
}

constexpr int kMostTicks = 10;

// A round step: 1, 2, 2.5 or 5 times a power of ten.
double NiceStep(double span, int ticks)
{
    const double raw = span / std::max(ticks, 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double nice : { 1.0, 2.0, 2.5, 5.0 }) {
        if (raw <= nice * magnitude * (1 + 1e-9))
            return nice * magnitude;
    }
    return 10 * magnitude;
}

std::string TypeText(const ChartContent &content)
{
    switch (content.type) {
    case calc::ElevatorType::Passenger:
        return "a passenger elevator";
    case calc::ElevatorType::FreightPassenger:
        return "a freight elevator permitted to carry passengers";
    case calc::ElevatorType::Freight:
        break;
    }
    const auto freightClass = content.freightClass.value_or(rules::FreightClass::A);
    return "a freight elevator, class " + std::string(rules::ClassName(freightClass)) + ",";
}

} // namespace

std::string ChartTitle(const ChartContent &chart)
{
    return "Minimum rated load of " + TypeText(chart) + " against its inside net platform area";
}

Axis AxisOf(double low, double high, int ticks, bool roundHigh)
{
    if (!(high > low))
        high = low + 1;
    Axis axis;
    const double step = NiceStep(high - low, std::clamp(ticks, 2, kMostTicks));
    axis.low = low;
    axis.high = roundHigh ? std::ceil(high / step - 1e-9) * step : high;
    const double first = std::ceil(low / step - 1e-9);
    for (int i = 0; i <= 4 * kMostTicks; ++i) {
        const double value = (first + i) * step;
        if (value > axis.high + step * 1e-9)
            break;
        axis.ticks.push_back(value == 0 ? 0.0 : value);
    }
    return axis;
}

Axis AreaAxisOf(const ChartContent &chart, int ticks)
{
    double from = chart.fromArea;
    double to = chart.toArea;
    bool widened = false;
    for (const ChartPoint &point : chart.points) {
        if (point.area < from) {
            from = std::min(point.area, 0.0);
            widened = true;
        }
        if (point.area > to) {
            to = point.area * 1.05;
            widened = true;
        }
    }
    return AxisOf(from, to, ticks, widened);
}

Axis LoadAxisOf(const ChartContent &chart, const calc::LoadCurve &curve, int ticks)
{
    double lowest = 0;
    double highest = 0;
    for (const auto &piece : curve.pieces) {
        for (const calc::CurvePoint &point : piece) {
            lowest = std::min(lowest, point.load);
            highest = std::max(highest, point.load);
        }
    }
    for (const ChartPoint &point : chart.points) {
        lowest = std::min(lowest, point.load);
        highest = std::max(highest, point.load);
    }
    return AxisOf(std::floor(lowest), highest * 1.03, ticks, true);
}

Mark MarkOf(calc::Verdict verdict)
{
    switch (verdict) {
    case calc::Verdict::Passes:
        return Mark::Passes;
    case calc::Verdict::PassesWithinAllowance:
        return Mark::PassesWithinAllowance;
    case calc::Verdict::Fails:
        break;
    }
    return Mark::Fails;
}

double DefaultToArea(rules::Units units)
{
    return units == rules::Units::Imperial ? 120 : 12;
}

ChartContent ChartOf(const Entries &entries, const std::optional<std::string> &areas)
{
    ChartContent chart;
    chart.units = entries.units;
    chart.type = TypeOf(entries.type);
    chart.freightClass = ClassOf(entries.freightClass, chart.type);
    chart.toArea = DefaultToArea(entries.units);
    if (!areas)
        return chart;
    const std::string_view given = Trimmed(*areas);
    const std::size_t colon = given.find(':');
    double range[2] = {};
    try {
        if (colon == std::string_view::npos || given.find(':', colon + 1) != std::string_view::npos)
            throw rules::RunTimeError("no range");
        range[0] = rules::StrictNumber(Trimmed(given.substr(0, colon)));
        range[1] = rules::StrictNumber(Trimmed(given.substr(colon + 1)));
    } catch (const rules::RunTimeError &) {
        Refuse("areas",
            "expected the range of the chart, START:STOP such as 0:120, got '" + *areas + "'");
    }
    if (range[0] < 0 || !(range[1] > range[0]))
        Refuse("areas", "a range from 0 or more up to a greater area, got '" + *areas + "'");
    chart.fromArea = range[0];
    chart.toArea = range[1];
    return chart;
}

std::pair<int, int> ChartSize(const std::optional<std::string> &text)
{
    std::pair<int, int> size { 1200, 800 };
    if (!text)
        return size;
    const std::string_view given = Trimmed(*text);
    const std::size_t x = given.find_first_of("xX");
    auto whole = [&](std::string_view part, int &value) {
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        return error == std::errc() && end == part.data() + part.size() && !part.empty();
    };
    if (x == std::string_view::npos || !whole(given.substr(0, x), size.first)
        || !whole(given.substr(x + 1), size.second))
        Refuse("size", "expected WIDTHxHEIGHT in pixels, such as 1200x800, got '" + *text + "'");
    if (size.first < kSmallestChart || size.second < kSmallestChart * 3 / 4
        || size.first > kLargestChart || size.second > kLargestChart)
        Refuse("size",
            "from " + std::to_string(kSmallestChart) + "x" + std::to_string(kSmallestChart * 3 / 4)
                + " to " + std::to_string(kLargestChart) + "x" + std::to_string(kLargestChart)
                + " pixels, got '" + *text + "'");
    return size;
}

Entries CarOf(const Entries &entries, const std::string &car)
{
    const std::size_t comma = car.find(',');
    if (comma == std::string::npos || car.find(',', comma + 1) != std::string::npos)
        Refuse("car", "expected LOAD,AREA such as 4000,41.56, got '" + car + "'");
    Entries checked = entries;
    checked.areas.reset();
    checked.load = std::string(Trimmed(std::string_view(car).substr(0, comma)));
    checked.area = std::string(Trimmed(std::string_view(car).substr(comma + 1)));
    return checked;
}

ChartPoint CarPoint(const Entries &car)
{
    try {
        return Ask(CheckQuestion(), car).answer.point;
    } catch (const Refusal &refusal) {
        if (refusal.kind() != Refusal::Kind::Message || refusal.field() != "truck")
            throw;
        throw Refusal(Refusal::Kind::Message, "",
            refusal.reason()
                + "; a car given by its load and area alone has none: give it among the rows, "
                  "with a truck column");
    }
}

Paper PaperOf(const std::optional<std::string> &paper, rules::Units units)
{
    if (!paper)
        return units == rules::Units::Imperial ? Paper::Letter : Paper::A4;
    const std::string_view name = Trimmed(*paper);
    if (SameName(name, "letter"))
        return Paper::Letter;
    if (SameName(name, "a4"))
        return Paper::A4;
    Refuse("paper", "expected letter or a4, got '" + *paper + "'");
}

Explained ExplanationOf(const Question &question, const Entries &entries,
    const std::vector<Column> &columns, const Answer &answer)
{
    Explained explained;
    explained.rule = RuleRows(question, entries);
    if (answer.verdict) {
        const Mark mark = MarkOf(*answer.verdict);
        explained.verdict = SheetVerdict { std::string(calc::VerdictText(*answer.verdict)), mark,
            VerdictExplanation(entries, columns, answer, mark) };
    }
    return explained;
}

Sheet SheetOf(const Question &question, const Entries &entries,
    const std::vector<Column> &columns, const Answer &answer, const TitleBlock &title)
{
    const rules::Units units = entries.units;
    const std::string_view areaUnit = calc::AreaUnit(units);
    const std::string_view loadUnit = calc::LoadUnit(units);
    const bool check = question.Name() == "check";
    const bool load = question.Name() == "load";

    Sheet sheet;
    sheet.paper = PaperOf(title.paper, units);
    sheet.title = check ? "Calculation sheet: check of an elevator car"
        : load          ? "Calculation sheet: minimum rated load of a platform"
                        : "Calculation sheet: maximum inside net platform area";
    sheet.program = title.program;
    sheet.fields
        = { { "Site", title.site }, { "Car", title.car }, { "Inspector", title.inspector } };

    const ElevatorType type = TypeOf(entries.type);
    const std::optional<FreightClass> freightClass = ClassOf(entries.freightClass, type);
    SheetSection given { "Entries as given", {}, 2 };
    given.rows.push_back({ "Elevator type", TypeCaption(type), "", false });
    if (freightClass)
        given.rows.push_back(
            { "Class of freight loading", ClassCaption(*freightClass), "", false });
    if (entries.truck)
        given.rows.push_back(
            { "Weight of the loaded truck", Given(*entries.truck, loadUnit), "", false });
    if (entries.load)
        given.rows.push_back({ check ? "Rated load (plated)" : "Rated load",
            Given(*entries.load, loadUnit), "", false });
    const rules::DimensionTexts lists = ListsOf(entries);
    if (entries.area)
        given.rows.push_back(
            { "Inside net platform area (typed)", Given(*entries.area, areaUnit), "", false });
    if (entries.depth)
        given.rows.push_back({ "Depth", SideCaption(units, lists, 0, *entries.depth), "", false });
    if (entries.width)
        given.rows.push_back({ "Width", SideCaption(units, lists, 1, *entries.width), "", false });
    // For area a side is given to find the other, not a platform.
    if ((load || check) && !entries.area && entries.depth && entries.width)
        given.rows.push_back({ "Inside net platform area, from the sides",
            ValueOf(columns, answer, "area") + " " + std::string(areaUnit), "", false });
    sheet.sections.push_back(given);

    const Explained explained = ExplanationOf(question, entries, columns, answer);
    sheet.sections.push_back({ "Rule applied", explained.rule, 1 });

    SheetSection figures { "Figures", {}, 2 };
    for (std::size_t i = 0; i < columns.size() && i < answer.row.size(); ++i) {
        const Column &column = columns[i];
        if (column.key == "verdict" || !answer.row[i] || answer.row[i]->empty())
            continue;
        figures.rows.push_back(
            { column.label, *answer.row[i], column.unit, column.kind == Kind::Number });
    }
    sheet.sections.push_back(figures);
    sheet.verdict = explained.verdict;

    sheet.chart.units = units;
    sheet.chart.type = type;
    sheet.chart.freightClass = freightClass;
    sheet.chart.points.push_back(answer.point);
    // Wide enough for the car twice over and, for passengers, the threshold.
    const double step = units == rules::Units::Imperial ? 10 : 1;
    const double span = std::max(2 * answer.point.area, DefaultToArea(units) / 2);
    sheet.chart.toArea = std::isfinite(span) ? std::ceil(span / step) * step : span;
    return sheet;
}

void CheckChartKind(const ChartContent &chart, const Entries &car)
{
    const ElevatorType type = TypeOf(car.type);
    if (type != chart.type)
        Refuse("type",
            "the chart is of " + std::string(TypeName(chart.type)) + " elevators; this car is "
                + std::string(TypeName(type)));
    const auto freightClass = ClassOf(car.freightClass, type);
    if (freightClass != chart.freightClass)
        Refuse("class",
            "the chart is of class " + std::string(ClassName(*chart.freightClass))
                + "; this car is class " + std::string(ClassName(*freightClass)));
}

} // namespace ratedload::answers
