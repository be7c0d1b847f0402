// SPDX-License-Identifier: MIT
// The chart read back: the SVG parsed as XML, where the curve must follow the
// rules, the threshold stand where the passenger formulas meet, and each car
// be drawn where it belongs in its colour; the PNG at its size and colours.

#include "report/Chart.h"

#include "rules/FreightLoad.h"
#include "rules/PassengerLoad.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>

namespace ratedload::report::test {
namespace {

using calc::ElevatorType;
using rules::FreightClass;
using rules::Units;

// The colours are the chart's promise to its readers; written out here.
const QString kCurve = QStringLiteral("#1f4e9c");
const QString kThreshold = QStringLiteral("#555555");
const QString kPasses = QStringLiteral("#1b7f3b");
const QString kWithinAllowance = QStringLiteral("#b26a00");
const QString kFails = QStringLiteral("#c62828");

// An element of the SVG with the stroke and fill it is drawn with.
struct Shape {
    QString kind;
    QString stroke;
    QString fill;
    bool dashed = false;
    std::vector<QPointF> points; // polyline points, or the centre of a circle
    QString text;
};

std::vector<QPointF> PointsOf(const QString &list)
{
    std::vector<QPointF> points;
    for (const QString &pair : list.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(QLatin1Char(','));
        points.emplace_back(xy.value(0).toDouble(), xy.value(1).toDouble());
    }
    return points;
}

std::vector<Shape> ShapesOf(const QByteArray &svg)
{
    std::vector<Shape> shapes;
    std::vector<Shape> groups { Shape {} };
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("g"))
            groups.pop_back();
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        Shape shape = groups.back();
        shape.kind = xml.name().toString();
        if (attributes.hasAttribute(QLatin1String("stroke")))
            shape.stroke = attributes.value(QLatin1String("stroke")).toString();
        if (attributes.hasAttribute(QLatin1String("fill")))
            shape.fill = attributes.value(QLatin1String("fill")).toString();
        if (attributes.hasAttribute(QLatin1String("stroke-dasharray")))
            shape.dashed = true;
        if (shape.kind == QLatin1String("g")) {
            groups.push_back(shape);
            continue;
        }
        if (shape.kind == QLatin1String("polyline"))
            shape.points = PointsOf(attributes.value(QLatin1String("points")).toString());
        if (shape.kind == QLatin1String("circle"))
            shape.points = { QPointF(attributes.value(QLatin1String("cx")).toDouble(),
                attributes.value(QLatin1String("cy")).toDouble()) };
        if (shape.kind == QLatin1String("path")) {
            // Only the first point: enough to place a mark.
            const QString d = attributes.value(QLatin1String("d")).toString();
            const QStringList xy = d.mid(1).section(QLatin1Char(' '), 0, 0).split(QLatin1Char(','));
            shape.points = { QPointF(xy.value(0).toDouble(), xy.value(1).toDouble()) };
        }
        if (shape.kind == QLatin1String("text"))
            shape.text = xml.readElementText();
        shapes.push_back(shape);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return shapes;
}

struct ChartRow {
    std::string name;
    ChartContent content;
    const char *threshold; // the label of the threshold, or nullptr
    const char *areaTitle;
    const char *loadTitle;
};

void PrintTo(const ChartRow &row, std::ostream *out)
{
    *out << row.name;
}

std::vector<ChartRow> EveryTypeAndClass()
{
    std::vector<ChartRow> rows;
    struct Kind {
        const char *name;
        ElevatorType type;
        std::optional<FreightClass> freightClass;
    };
    const Kind kinds[] = { { "Passenger", ElevatorType::Passenger, std::nullopt },
        { "FreightPassenger", ElevatorType::FreightPassenger, std::nullopt },
        { "FreightA", ElevatorType::Freight, FreightClass::A },
        { "FreightB", ElevatorType::Freight, FreightClass::B },
        { "FreightC1", ElevatorType::Freight, FreightClass::C1 },
        { "FreightC2", ElevatorType::Freight, FreightClass::C2 },
        { "FreightC3", ElevatorType::Freight, FreightClass::C3 } };
    for (const Units units : { Units::Imperial, Units::Metric }) {
        const bool imperial = units == Units::Imperial;
        for (const Kind &kind : kinds) {
            ChartRow row;
            row.name = std::string(imperial ? "Imperial" : "Metric") + kind.name;
            row.content.units = units;
            row.content.type = kind.type;
            row.content.freightClass = kind.freightClass;
            row.content.toArea = imperial ? 120 : 12;
            const double scale = imperial ? 1 : 0.1;
            const double weight = imperial ? 1 : 0.45;
            row.content.points = { { 30 * scale, 4000 * weight, Mark::Passes },
                { 60 * scale, 3000 * weight, Mark::Fails },
                { 45 * scale, 5000 * weight, Mark::PassesWithinAllowance },
                { 20 * scale, 2500 * weight, Mark::Passes } };
            const bool passengers = kind.type != ElevatorType::Freight;
            row.threshold = passengers ? (imperial ? "50 sq ft" : "4.65 sq m") : nullptr;
            row.areaTitle = imperial ? "Inside net platform area (sq ft)"
                                     : "Inside net platform area (sq m)";
            row.loadTitle = imperial ? "Minimum rated load (lb)" : "Minimum rated load (kg)";
            rows.push_back(row);
        }
    }
    return rows;
}

constexpr int kWidth = 1200;
constexpr int kHeight = 800;

QByteArray Svg(const ChartContent &content)
{
    return QByteArray::fromStdString(ChartSvg(content, kWidth, kHeight));
}

// The layout of the SVG, on the same kind of device.
ChartLayout SvgLayout(const ChartContent &content)
{
    QBuffer buffer;
    QSvgGenerator device;
    device.setOutputDevice(&buffer);
    device.setSize(QSize(kWidth, kHeight));
    device.setResolution(96);
    return LayOutChart(
        device, PictureFrame(kWidth, kHeight), content, PictureFont(kWidth, kHeight));
}

bool Inside(const QRectF &plot, const std::vector<QPointF> &points)
{
    const QRectF area = plot.adjusted(-1, -1, 1, 1);
    return std::all_of(points.begin(), points.end(),
        [&](const QPointF &point) { return area.contains(point); });
}

double RuleLoad(const ChartContent &content, float area)
{
    if (content.type != ElevatorType::Freight)
        return rules::PassengerLoad(content.units, area);
    return rules::ClassLoad(content.units, *content.freightClass, area);
}

class ChartTest : public testing::TestWithParam<ChartRow> {};

TEST_P(ChartTest, TheCurveFollowsTheRuleInItsPieces)
{
    const ChartRow &row = GetParam();
    const ChartLayout layout = SvgLayout(row.content);
    int pieces = 0;
    int legendLines = 0;
    for (const Shape &shape : ShapesOf(Svg(row.content))) {
        if (shape.kind != QLatin1String("polyline") || shape.stroke != kCurve)
            continue;
        if (!Inside(layout.plot, shape.points)) {
            ++legendLines;
            continue;
        }
        ++pieces;
        ASSERT_GT(shape.points.size(), 100u);
        for (const QPointF &point : shape.points) {
            const double area = layout.areas.low
                + (point.x() - layout.plot.left()) / layout.plot.width()
                    * (layout.areas.high - layout.areas.low);
            // Read back to 3 decimals, an end of a piece may seem to lie on the
            // other side of the threshold.
            float ruleArea = static_cast<float>(area);
            if (row.threshold) {
                const float threshold = rules::PassengerThreshold(row.content.units);
                ruleArea = pieces == 1 ? std::min(ruleArea, threshold)
                                       : std::max(ruleArea, std::nextafter(threshold, 1e9f));
            }
            const double expected = layout.Map(area, RuleLoad(row.content, ruleArea)).y();
            ASSERT_NEAR(point.y(), expected, 0.05) << "at area " << area;
        }
    }
    EXPECT_EQ(pieces, row.threshold ? 2 : 1);
    EXPECT_EQ(legendLines, 1);
    // From the first area of the axis to the last.
    EXPECT_EQ(layout.areas.low, 0);
    EXPECT_EQ(layout.areas.high, row.content.toArea);
}

TEST_P(ChartTest, TheThresholdIsMarkedWhereTheFormulasMeet)
{
    const ChartRow &row = GetParam();
    const ChartLayout layout = SvgLayout(row.content);
    std::vector<double> dashed;
    bool labelled = false;
    for (const Shape &shape : ShapesOf(Svg(row.content))) {
        if (shape.kind == QLatin1String("polyline") && shape.dashed && shape.stroke == kThreshold
            && Inside(layout.plot, shape.points)) {
            ASSERT_EQ(shape.points.size(), 2u);
            EXPECT_EQ(shape.points[0].x(), shape.points[1].x());
            dashed.push_back(shape.points[0].x());
        }
        if (row.threshold && shape.text == QLatin1String(row.threshold))
            labelled = true;
    }
    if (!row.threshold) {
        EXPECT_TRUE(dashed.empty());
        return;
    }
    ASSERT_EQ(dashed.size(), 1u);
    const double threshold = row.content.units == Units::Imperial ? 50 : 4.65;
    EXPECT_NEAR(dashed[0], layout.Map(threshold, 0).x(), 0.01);
    EXPECT_TRUE(labelled);
}

TEST_P(ChartTest, EachCarIsItsMarkWhereItBelongs)
{
    const ChartRow &row = GetParam();
    const ChartLayout layout = SvgLayout(row.content);
    std::map<Mark, std::vector<QPointF>> drawn;
    int legendMarks = 0;
    for (const Shape &shape : ShapesOf(Svg(row.content))) {
        std::optional<Mark> mark;
        if (shape.kind == QLatin1String("circle") && shape.fill == kPasses)
            mark = Mark::Passes;
        if (shape.kind == QLatin1String("path") && shape.stroke == kFails)
            mark = Mark::Fails;
        if (shape.kind == QLatin1String("path") && shape.stroke == kWithinAllowance)
            mark = Mark::PassesWithinAllowance;
        if (!mark)
            continue;
        if (Inside(layout.plot, shape.points))
            drawn[*mark].push_back(shape.points.front());
        else
            ++legendMarks;
    }
    EXPECT_EQ(legendMarks, 3);
    const double radius = PictureFont(kWidth, kHeight).pixelSize();
    std::map<Mark, std::size_t> found;
    for (const ChartPoint &point : row.content.points) {
        const QPointF at = layout.Map(point.area, point.load);
        const std::vector<QPointF> &marks = drawn[point.mark];
        const bool there = std::any_of(marks.begin(), marks.end(), [&](const QPointF &mark) {
            return std::hypot(mark.x() - at.x(), mark.y() - at.y()) < radius;
        });
        EXPECT_TRUE(there) << "car at " << point.area << ", " << point.load;
        ++found[point.mark];
    }
    for (const auto &[mark, marks] : drawn)
        EXPECT_EQ(marks.size(), found[mark]);
}

TEST_P(ChartTest, TheAxesSayTheirUnits)
{
    const ChartRow &row = GetParam();
    QStringList texts;
    for (const Shape &shape : ShapesOf(Svg(row.content))) {
        if (shape.kind == QLatin1String("text"))
            texts << shape.text;
    }
    EXPECT_TRUE(texts.contains(QLatin1String(row.areaTitle))) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains(QLatin1String(row.loadTitle)));
    EXPECT_TRUE(texts.contains(QLatin1String("0")));
}

INSTANTIATE_TEST_SUITE_P(Every, ChartTest, testing::ValuesIn(EveryTypeAndClass()),
    [](const testing::TestParamInfo<ChartRow> &info) { return info.param.name; });

TEST(AxisTest, TicksAreRoundValues)
{
    ChartContent content;
    content.toArea = 37;
    const ChartLayout layout = SvgLayout(content);
    EXPECT_EQ(layout.areas.high, 37);
    ASSERT_GE(layout.areas.ticks.size(), 3u);
    const double step = layout.areas.ticks[1] - layout.areas.ticks[0];
    EXPECT_TRUE(step == 5 || step == 10 || step == 2 || step == 2.5) << step;
    EXPECT_LE(layout.areas.ticks.back(), 37);
    // The loads end on a tick above the highest.
    EXPECT_EQ(layout.loads.high, layout.loads.ticks.back());
    EXPECT_GE(layout.loads.high, rules::PassengerLoad(Units::Imperial, 37.0f));
}

TEST(AxisTest, ACarBeyondTheRangeWidensIt)
{
    ChartContent content;
    content.points = { { 150, 20000, Mark::Fails } };
    const ChartLayout layout = SvgLayout(content);
    EXPECT_GE(layout.areas.high, 150);
    EXPECT_GE(layout.loads.high, 20000);
    EXPECT_TRUE(layout.plot.contains(layout.Map(150, 20000)));
}

TEST(PngTest, HasTheSizeAskedForAndTheColoursOfTheCars)
{
    ChartContent content;
    content.points = { { 30, 4000, Mark::Passes }, { 60, 3000, Mark::Fails } };
    const QImage image = QImage::fromData(QByteArray::fromStdString(ChartPng(content, 900, 600)));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(900, 600));

    const QImage device(900, 600, QImage::Format_RGB32);
    const ChartLayout layout = LayOutChart(device, PictureFrame(900, 600), content, PictureFont(900, 600));
    const QPoint passes = layout.Map(30, 4000).toPoint();
    const QPoint fails = layout.Map(60, 3000).toPoint();
    EXPECT_EQ(image.pixelColor(passes).name(), kPasses);
    EXPECT_EQ(image.pixelColor(fails).name(), kFails);
}

TEST(PngTest, TextScalesWithTheSize)
{
    EXPECT_EQ(PictureFont(1200, 800).pixelSize(), 18);
    EXPECT_EQ(PictureFont(2400, 1600).pixelSize(), 36);
    EXPECT_EQ(PictureFont(400, 300).pixelSize(), 9);
}

} // namespace
} // namespace ratedload::report::test
