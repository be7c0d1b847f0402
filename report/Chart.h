// SPDX-License-Identifier: MIT
#pragma once

// The one drawing of a chart, for the sheet, the SVG and the PNG alike.

#include "report/Report.h"

#include "calc/LoadCurve.h"

#include <QFont>
#include <QPointF>
#include <QRectF>

#include <vector>

class QPainter;
class QPaintDevice;

namespace ratedload::report {

using answers::Axis;

// Where everything goes for a frame, a font and a device.
struct ChartLayout {
    QRectF frame;
    QRectF plot; // the area inside the axes
    Axis areas; // across
    Axis loads; // up
    calc::LoadCurve curve;

    QPointF Map(double area, double load) const;
};

// The face of the window, Liberation Sans (Arial's metrics) on Linux.
QFont ChartFont();

// Raises rules::RunTimeError where a load of the curve is beyond single precision.
ChartLayout LayOutChart(const QPaintDevice &device, const QRectF &frame,
    const ChartContent &content, const QFont &font);

// Draws the chart into the frame, with the font at the size of its plain text.
void DrawChart(
    QPainter &painter, const QRectF &frame, const ChartContent &content, const QFont &font);

// A car's mark, its shape and colour, centred on a point.
void DrawMark(QPainter &painter, const QPointF &at, Mark mark, double radius);

// The font and the frame of a chart that is a picture (SVG, PNG) of its own.
QFont PictureFont(int width, int height);
QRectF PictureFrame(int width, int height);

} // namespace ratedload::report
