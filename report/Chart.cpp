// SPDX-License-Identifier: MIT
#include "report/Chart.h"

#include "calc/Check.h"
#include "calc/RuleApplied.h"

#include "rules/NumberText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace ratedload::report {

namespace {

// Each colour goes with a shape of its own; the greys and the dark blue read
// in black and white.
const QColor kCurve(0x1f, 0x4e, 0x9c);
const QColor kThreshold(0x55, 0x55, 0x55);
const QColor kGrid(0xd9, 0xd9, 0xd9);
const QColor kAxis(0x33, 0x33, 0x33);
const QColor kPasses(0x1b, 0x7f, 0x3b);
const QColor kWithinAllowance(0xb2, 0x6a, 0x00);
const QColor kFails(0xc6, 0x28, 0x28);
const QColor kPlatform(0x00, 0x00, 0x00);

QString Title(const ChartContent &content)
{
    return QString::fromStdString(answers::ChartTitle(content));
}

QString Text(const std::string &text)
{
    return QString::fromStdString(text);
}

QString TickText(double value)
{
    return Text(rules::DoubleToText(value));
}

std::string AreaUnit(const ChartContent &content)
{
    return std::string(calc::AreaUnit(content.units));
}

std::string LoadUnit(const ChartContent &content)
{
    return std::string(calc::LoadUnit(content.units));
}

// The legend: a sample of each line and mark drawn, and what it stands for.
struct LegendItem {
    enum Kind { kCurve, kThreshold, kMark } kind = kCurve;
    Mark mark = Mark::Passes;
    QString text;
};

QString MarkText(Mark mark, int count, bool single)
{
    const char *what = "";
    switch (mark) {
    case Mark::Passes:
        what = single ? "This car passes" : "Cars that pass";
        break;
    case Mark::PassesWithinAllowance:
        what = single ? "This car passes within the 5 % allowance"
                      : "Cars that pass within the 5 % allowance";
        break;
    case Mark::Fails:
        what = single ? "This car fails" : "Cars that fail";
        break;
    case Mark::Platform:
        what = single ? "This platform" : "Platforms";
        break;
    }
    return single ? QString::fromUtf8(what) : QStringLiteral("%1 (%2)").arg(what).arg(count);
}

std::vector<LegendItem> LegendOf(const ChartContent &content, const calc::LoadCurve &curve)
{
    std::vector<LegendItem> items;
    items.push_back({ LegendItem::kCurve, Mark::Passes,
        QStringLiteral("Minimum rated load by the code's rule") });
    if (curve.threshold && curve.pieces.size() > 1) {
        const calc::CurvePoint &at = curve.pieces.front().back();
        const calc::CurvePoint &above = curve.pieces.back().front();
        const std::string unit = LoadUnit(content);
        items.push_back({ LegendItem::kThreshold, Mark::Passes,
            Text("Threshold " + rules::SingleToText(static_cast<float>(*curve.threshold)) + " "
                + AreaUnit(content) + ": " + rules::SingleToText(static_cast<float>(at.load)) + " "
                + unit + " at it, " + rules::SingleToText(static_cast<float>(above.load)) + " "
                + unit + " just above; the formulas do not join") });
    }
    for (const Mark mark :
        { Mark::Passes, Mark::PassesWithinAllowance, Mark::Fails, Mark::Platform }) {
        const auto count = std::count_if(content.points.begin(), content.points.end(),
            [mark](const ChartPoint &point) { return point.mark == mark; });
        if (count > 0)
            items.push_back({ LegendItem::kMark, mark,
                MarkText(mark, static_cast<int>(count), content.points.size() == 1) });
    }
    return items;
}

// The legend flows in rows under the axes; each item is its sample and its text.
struct LegendGeometry {
    std::vector<QRectF> items;
    double height = 0;
};

LegendGeometry FlowLegend(const std::vector<LegendItem> &items, const QFontMetricsF &metrics,
    double left, double top, double width)
{
    LegendGeometry geometry;
    const double sample = metrics.height() * 2.2;
    const double gap = metrics.height() * 0.5;
    const double between = metrics.height() * 1.5;
    const double lineHeight = metrics.height() * 1.3;
    double x = left;
    double y = top;
    for (const LegendItem &item : items) {
        const double itemWidth = sample + gap + metrics.horizontalAdvance(item.text);
        if (x > left && x + itemWidth > left + width) {
            x = left;
            y += lineHeight;
        }
        geometry.items.emplace_back(x, y, itemWidth, lineHeight);
        x += itemWidth + between;
    }
    geometry.height = items.empty() ? 0 : y + lineHeight - top;
    return geometry;
}

double Gap(const QFontMetricsF &metrics)
{
    return metrics.height() * 0.5;
}

double TickLength(const QFontMetricsF &metrics)
{
    return metrics.height() * 0.35;
}

QFont TitleFont(QFont font)
{
    font.setBold(true);
    if (font.pixelSize() > 0)
        font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * 1.15)));
    else
        font.setPointSizeF(font.pointSizeF() * 1.15);
    return font;
}

double MarkRadius(const QFontMetricsF &metrics)
{
    return metrics.height() * 0.36;
}

QPen CurvePen(const QFontMetricsF &metrics)
{
    return QPen(
        kCurve, std::max(metrics.height() / 7, 1.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPen ThresholdPen(const QFontMetricsF &metrics)
{
    QPen pen(kThreshold, std::max(metrics.height() / 12, 1.0), Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({ 5, 3 });
    return pen;
}

} // namespace

void DrawMark(QPainter &painter, const QPointF &at, Mark mark, double radius)
{
    painter.save();
    const double stroke = std::max(radius / 2.6, 1.0);
    switch (mark) {
    case Mark::Passes:
        painter.setPen(Qt::NoPen);
        painter.setBrush(kPasses);
        painter.drawEllipse(at, radius * 1.1, radius * 1.1);
        break;
    case Mark::PassesWithinAllowance: {
        painter.setPen(QPen(kWithinAllowance, stroke, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        painter.setBrush(Qt::white);
        const double r = radius * 1.25;
        QPolygonF triangle;
        triangle << QPointF(at.x(), at.y() - r) << QPointF(at.x() + r * 0.866, at.y() + r * 0.5)
                 << QPointF(at.x() - r * 0.866, at.y() + r * 0.5);
        painter.drawPolygon(triangle);
        break;
    }
    case Mark::Fails: {
        painter.setPen(QPen(kFails, stroke * 1.3, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        const double r = radius * 1.1;
        QPainterPath cross;
        cross.moveTo(at.x() - r, at.y() - r);
        cross.lineTo(at.x() + r, at.y() + r);
        cross.moveTo(at.x() - r, at.y() + r);
        cross.lineTo(at.x() + r, at.y() - r);
        painter.drawPath(cross);
        break;
    }
    case Mark::Platform: {
        painter.setPen(QPen(kPlatform, stroke, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        painter.setBrush(Qt::white);
        const double r = radius * 1.2;
        QPolygonF diamond;
        diamond << QPointF(at.x(), at.y() - r) << QPointF(at.x() + r, at.y())
                << QPointF(at.x(), at.y() + r) << QPointF(at.x() - r, at.y());
        painter.drawPolygon(diamond);
        break;
    }
    }
    painter.restore();
}

QPointF ChartLayout::Map(double area, double load) const
{
    const double x = plot.left() + (area - areas.low) / (areas.high - areas.low) * plot.width();
    const double y = plot.bottom() - (load - loads.low) / (loads.high - loads.low) * plot.height();
    return { x, y };
}

QFont ChartFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont PictureFont(int width, int height)
{
    const double scale = std::min(width / 1200.0, height / 800.0);
    QFont font = ChartFont();
    font.setPixelSize(std::clamp(static_cast<int>(std::lround(18 * scale)), 9, 400));
    return font;
}

QRectF PictureFrame(int width, int height)
{
    const double margin = PictureFont(width, height).pixelSize();
    return QRectF(margin, margin, width - 2 * margin, height - 2 * margin);
}

ChartLayout LayOutChart(
    const QPaintDevice &device, const QRectF &frame, const ChartContent &content, const QFont &font)
{
    const QFontMetricsF metrics(font, &device);
    const QFontMetricsF titleMetrics(TitleFont(font), &device);
    ChartLayout layout;
    layout.frame = frame;

    const double gap = Gap(metrics);
    const double tick = TickLength(metrics);
    const double top = frame.top() + titleMetrics.height() + 2 * gap;
    const double roughWidth = frame.width() * 0.85;
    const int areaTicks = static_cast<int>(roughWidth / (metrics.horizontalAdvance("00000") * 1.8));
    layout.areas = answers::AreaAxisOf(content, areaTicks);
    layout.curve = calc::LoadCurveOf(content.units, content.type, content.freightClass,
        layout.areas.low, layout.areas.high, 400);

    const std::vector<LegendItem> legend = LegendOf(content, layout.curve);
    const double legendHeight
        = FlowLegend(legend, metrics, frame.left(), 0, frame.width() - 2 * gap).height;
    const double bottom = frame.bottom() - legendHeight - gap
        - (tick + gap + metrics.height() + gap + metrics.height());
    const int loadTicks = static_cast<int>((bottom - top) / (metrics.height() * 2.5));
    layout.loads = answers::LoadAxisOf(content, layout.curve, loadTicks);

    double tickWidth = 0;
    for (const double value : layout.loads.ticks)
        tickWidth = std::max(tickWidth, metrics.horizontalAdvance(TickText(value)));
    const double left = frame.left() + metrics.height() + gap + tickWidth + gap + tick;
    const double lastTick = layout.areas.ticks.empty()
        ? 0
        : metrics.horizontalAdvance(TickText(layout.areas.ticks.back())) / 2;
    const double right = frame.right() - std::max(lastTick, 2 * gap);
    layout.plot = QRectF(QPointF(left, top), QPointF(right, bottom));
    return layout;
}

void DrawChart(
    QPainter &painter, const QRectF &frame, const ChartContent &content, const QFont &font)
{
    const ChartLayout layout = LayOutChart(*painter.device(), frame, content, font);
    const QFontMetricsF metrics(font, painter.device());
    const QRectF &plot = layout.plot;
    const double gap = Gap(metrics);
    const double tick = TickLength(metrics);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(TitleFont(font));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(frame.left(), frame.top(), frame.width(),
                         QFontMetricsF(TitleFont(font), painter.device()).height()),
        Qt::AlignLeft | Qt::AlignVCenter, Title(content));
    painter.setFont(font);

    // The grid, then the axes with their values and titles.
    painter.setPen(QPen(kGrid, std::max(metrics.height() / 20, 0.5)));
    for (const double value : layout.areas.ticks) {
        const double x = layout.Map(value, 0).x();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (const double value : layout.loads.ticks) {
        const double y = layout.Map(0, value).y();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.setPen(QPen(kAxis, std::max(metrics.height() / 14, 1.0)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    for (const double value : layout.areas.ticks) {
        const double x = layout.Map(value, 0).x();
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + tick));
        const QString text = TickText(value);
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(
            QRectF(x - width, plot.bottom() + tick + gap / 2, 2 * width, metrics.height()),
            Qt::AlignHCenter | Qt::AlignTop, text);
    }
    for (const double value : layout.loads.ticks) {
        const double y = layout.Map(0, value).y();
        painter.drawLine(QPointF(plot.left() - tick, y), QPointF(plot.left(), y));
        const QString text = TickText(value);
        painter.drawText(QRectF(frame.left(), y - metrics.height() / 2,
                             plot.left() - tick - gap / 2 - frame.left(), metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, text);
    }
    const double areaTitleTop = plot.bottom() + tick + gap + metrics.height();
    painter.drawText(QRectF(plot.left(), areaTitleTop, plot.width(), metrics.height()),
        Qt::AlignHCenter | Qt::AlignTop,
        Text("Inside net platform area (" + AreaUnit(content) + ")"));
    painter.save();
    painter.translate(frame.left(), plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), metrics.height()),
        Qt::AlignHCenter | Qt::AlignTop, Text("Minimum rated load (" + LoadUnit(content) + ")"));
    painter.restore();

    // The curve and the threshold, inside the axes.
    painter.save();
    painter.setClipRect(plot);
    if (layout.curve.threshold) {
        const double x = layout.Map(*layout.curve.threshold, 0).x();
        painter.setPen(ThresholdPen(metrics));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    painter.setPen(CurvePen(metrics));
    for (const auto &piece : layout.curve.pieces) {
        QPolygonF line;
        for (const calc::CurvePoint &point : piece)
            line << layout.Map(point.area, point.load);
        painter.drawPolyline(line);
    }
    painter.restore();
    if (layout.curve.threshold) {
        const double x = layout.Map(*layout.curve.threshold, 0).x();
        const QString text = Text(rules::SingleToText(static_cast<float>(*layout.curve.threshold))
            + " " + AreaUnit(content));
        const double width = metrics.horizontalAdvance(text) + gap;
        const bool leftOfLine = x + gap + width > plot.right();
        const QRectF label(leftOfLine ? x - gap / 2 - width : x + gap / 2, plot.top() + gap / 2,
            width, metrics.height());
        painter.fillRect(label, Qt::white);
        painter.setPen(kThreshold);
        painter.drawText(label, Qt::AlignCenter, text);
    }

    const double radius = MarkRadius(metrics);
    for (const ChartPoint &point : content.points)
        DrawMark(painter, layout.Map(point.area, point.load), point.mark, radius);

    // The legend, under the title of the areas.
    const std::vector<LegendItem> legend = LegendOf(content, layout.curve);
    const LegendGeometry geometry = FlowLegend(legend, metrics, frame.left(),
        areaTitleTop + metrics.height() + gap, frame.width() - 2 * gap);
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const LegendItem &item = legend[i];
        const QRectF &box = geometry.items[i];
        const double sample = metrics.height() * 2.2;
        const double y = box.center().y();
        switch (item.kind) {
        case LegendItem::kCurve:
            painter.setPen(CurvePen(metrics));
            painter.drawLine(QPointF(box.left(), y), QPointF(box.left() + sample, y));
            break;
        case LegendItem::kThreshold:
            painter.setPen(ThresholdPen(metrics));
            painter.drawLine(QPointF(box.left() + sample / 2, box.top()),
                QPointF(box.left() + sample / 2, box.bottom()));
            break;
        case LegendItem::kMark:
            DrawMark(painter, QPointF(box.left() + sample / 2, y), item.mark, radius);
            break;
        }
        painter.setPen(Qt::black);
        painter.drawText(QRectF(box.left() + sample + gap, box.top(), box.width(), box.height()),
            Qt::AlignLeft | Qt::AlignVCenter, item.text);
    }
    painter.restore();
}

} // namespace ratedload::report
