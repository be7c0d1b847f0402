// SPDX-License-Identifier: MIT
#pragma once

// What a calculation sheet and a chart show, as texts and points: every
// figure is an answer's own text or calc's, and report/ only lays them out
// and paints them, adding nothing but the curve of the rules and the values
// of the axes.

#include "answers/Entries.h"
#include "answers/Records.h"

#include "calc/Check.h"
#include "calc/Entries.h"
#include "calc/LoadCurve.h"

#include "rules/FreightLoad.h"
#include "rules/Units.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ratedload::answers {

class Question;
struct Answer;

// How a car is drawn: a filled circle when it passes, a hollow triangle when
// it passes within the 5 % allowance, a cross when it fails; a platform whose
// load was found (no verdict) a hollow diamond. Each has its colour too, but
// the shapes alone tell them apart.
enum class Mark { Passes, PassesWithinAllowance, Fails, Platform };

Mark MarkOf(calc::Verdict verdict);

struct ChartPoint {
    double area = 0; // square feet or square metres
    double load = 0; // pounds or kilograms
    Mark mark = Mark::Platform;
};

struct ChartContent {
    rules::Units units = rules::Units::Imperial;
    calc::ElevatorType type = calc::ElevatorType::Passenger;
    std::optional<rules::FreightClass> freightClass;
    // The areas the chart spans; widened where a point lies beyond them.
    double fromArea = 0;
    double toArea = 120;
    std::vector<ChartPoint> points;
};

// The area range a chart spans unless told: 0 to 120 sq ft, 0 to 12 sq m.
double DefaultToArea(rules::Units units);

// "Minimum rated load of a passenger elevator against its inside net
// platform area".
std::string ChartTitle(const ChartContent &chart);

// An axis: the values it spans and those it marks, a round step apart (1,
// 2, 2.5 or 5 times a power of ten), about `ticks` of them; the top raised to
// a mark where `roundHigh`.
struct Axis {
    double low = 0;
    double high = 1;
    std::vector<double> ticks;
};
Axis AxisOf(double low, double high, int ticks, bool roundHigh);

// The areas a chart shows, about `ticks` marks: those of its content, taken
// out to every car beyond them (past the last car by 5 %, then up to a mark).
Axis AreaAxisOf(const ChartContent &chart, int ticks);
// The loads a chart shows, about `ticks` marks: from 0, or the whole load
// below the lowest, to 3 % above the highest of the curve and of the cars.
Axis LoadAxisOf(const ChartContent &chart, const calc::LoadCurve &curve, int ticks);

// The chart of the entries' type and class over the range START:STOP of
// `areas` (the default range when not given), without cars yet. Refusal:
// the type, the class, a range that cannot be read.
ChartContent ChartOf(const Entries &entries, const std::optional<std::string> &areas);

// The size of a chart in pixels, WIDTHxHEIGHT; 1200x800 when not given.
// Refusal (field "size") beyond 400x300 to 8000x8000.
std::pair<int, int> ChartSize(const std::optional<std::string> &size);

// A car of a check as LOAD,AREA: its entries. Refusal (field "car").
Entries CarOf(const Entries &entries, const std::string &car);

// The point of such a car, checked. A car of a class that needs the weight
// of a loaded truck is refused with no field: it has no truck to give.
ChartPoint CarPoint(const Entries &car);

// Refusal where a car is of another type or class than the chart: it would
// be read against a curve not its own.
void CheckChartKind(const ChartContent &chart, const Entries &car);

enum class Paper { Letter, A4 };

// The paper named (letter or a4), or the one of the units: Letter in
// imperial units, A4 in metric. Refusal (field "paper").
Paper PaperOf(const std::optional<std::string> &paper, rules::Units units);

// One line of a section: a label, a value and its unit. A figure is
// right-aligned with the others; a text (a rule, an entry) starts where the
// figures' column starts and wraps.
struct SheetRow {
    std::string label;
    std::string value;
    std::string unit;
    bool figure = true;
};

struct SheetSection {
    std::string heading;
    std::vector<SheetRow> rows;
    int columns = 1; // side by side where they fit
};

struct SheetVerdict {
    std::string text; // "passes within the 5 % allowance"
    Mark mark = Mark::Passes;
    std::string explanation;
};

struct Sheet {
    Paper paper = Paper::Letter;
    std::string title; // "Calculation sheet: check of an elevator car"
    std::string program; // "ratedload-cli 1.0.0"
    std::string dateTime; // now, when empty
    std::vector<std::pair<std::string, std::string>> fields; // Site, Car, Inspector
    std::vector<SheetSection> sections;
    std::optional<SheetVerdict> verdict;
    ChartContent chart;
};

// What the title block says besides the answer.
struct TitleBlock {
    std::string program; // "ratedload-cli 1.2.0"
    std::optional<std::string> paper;
    std::string site;
    std::string car; // the car's name, or its id in a batch
    std::string inspector;
};

// The sheet of one car that a question answered: its entries as given, the
// rule applied, the figures of the answer and, for a check, the verdict with
// its explanation, and the chart of this car.
Sheet SheetOf(const Question &question, const Entries &entries,
    const std::vector<Column> &columns, const Answer &answer, const TitleBlock &title);

// The rule applied to an answer and the explanation of its verdict, as the
// sheet writes them, for a front end that shows them without a sheet.
struct Explained {
    std::vector<SheetRow> rule; // the section "Rule applied"
    std::optional<SheetVerdict> verdict;
};
Explained ExplanationOf(const Question &question, const Entries &entries,
    const std::vector<Column> &columns, const Answer &answer);

} // namespace ratedload::answers
