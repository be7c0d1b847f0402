// SPDX-License-Identifier: MIT
#pragma once

// Calculation sheets (PDF) and charts (SVG, PNG) of the minimum rated load,
// drawn with Qt. What goes on them is given as texts and points that calc/
// computed; this module lays them out and paints them, and adds no figure of
// its own but the curve of the rules (calc::LoadCurveOf) and the values of
// the axes. No Qt type in this header: the command line includes it as it is.

#include "calc/Entries.h"

#include "rules/FreightLoad.h"
#include "rules/Units.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class QGuiApplication;

namespace ratedload::report {

// How a car is drawn: a filled circle when it passes, a hollow triangle when
// it passes within the 5 % allowance, a cross when it fails; a platform whose
// load was found (no verdict) a hollow diamond. Each has its colour too, but
// the shapes alone tell them apart.
enum class Mark { Passes, PassesWithinAllowance, Fails, Platform };

// The mark of a car by its verdict as check writes it ("passes", ...).
Mark MarkOfVerdict(std::string_view verdict);

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

enum class Paper { Letter, A4 };

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

// A picture that could not be painted (no memory for it).
class RenderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes of a sheet (one page of PDF) and of a chart (SVG, PNG), to be
// written where they go by the caller. RenderError where they cannot be made.
std::string SheetPdf(const Sheet &sheet);
std::string ChartSvg(const ChartContent &chart, int width, int height);
std::string ChartPng(const ChartContent &chart, int width, int height);

// Painting needs a QGuiApplication; the session makes one when there is
// none (on the offscreen platform when none is chosen) and ends it with
// itself. Qt's own warnings stay off standard error meanwhile: the program
// says what failed in its one line.
class PaintingSession {
public:
    PaintingSession();
    ~PaintingSession();
    PaintingSession(const PaintingSession &) = delete;
    PaintingSession &operator=(const PaintingSession &) = delete;

private:
    std::unique_ptr<QGuiApplication> application_;
};

} // namespace ratedload::report
