// SPDX-License-Identifier: MIT
#pragma once

// Calculation sheets (PDF) and charts (SVG, PNG) of the minimum rated load,
// drawn with Qt. What goes on them is given as texts and points that the
// answers computed; this module lays them out and paints them, and adds no
// figure of its own but the curve of the rules (calc::LoadCurveOf) and the
// values of the axes. No Qt type in this header.

#include "answers/Sheet.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class QGuiApplication;

namespace ratedload::report {

// The content of sheets and charts, as the answers give it.
using answers::ChartContent;
using answers::ChartPoint;
using answers::DefaultToArea;
using answers::Mark;
using answers::Paper;
using answers::Sheet;
using answers::SheetRow;
using answers::SheetSection;
using answers::SheetVerdict;

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
