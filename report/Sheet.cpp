// SPDX-License-Identifier: MIT
// The calculation sheet: one page, a title block, the sections of entries,
// rules and figures, the verdict, the chart of this car and a place to sign.

#include "report/Chart.h"

#include <QBuffer>
#include <QDateTime>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace ratedload::report {

namespace {

constexpr int kDotsPerInch = 300;
constexpr double kMarginMm = 16;
const QColor kRule(0x88, 0x88, 0x88);
const QColor kQuiet(0x55, 0x55, 0x55);

double Mm(double millimetres)
{
    return millimetres * kDotsPerInch / 25.4;
}

QFont Font(double points, bool bold = false)
{
    QFont font = ChartFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString Text(const std::string &text)
{
    return QString::fromStdString(text);
}

QString Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.toString(QStringLiteral("yyyy-MM-dd HH:mm")) + QLatin1Char(' ')
        + now.timeZoneAbbreviation();
}

class SheetPainter {
public:
    SheetPainter(QPainter &painter, const Sheet &sheet)
        : painter_(painter)
        , sheet_(sheet)
        , page_(0, 0, painter.device()->width(), painter.device()->height())
        , content_(page_.adjusted(Mm(kMarginMm), Mm(kMarginMm), -Mm(kMarginMm), -Mm(kMarginMm)))
        , y_(content_.top())
    {
    }

    void Paint()
    {
        painter_.setRenderHint(QPainter::Antialiasing);
        TitleBlock();
        for (const SheetSection &section : sheet_.sections)
            Section(section);
        if (sheet_.verdict)
            Verdict(*sheet_.verdict);
        const double footer = Footer();
        Chart(footer);
    }

private:
    QFontMetricsF Metrics(const QFont &font) const
    {
        return QFontMetricsF(font, painter_.device());
    }

    // Draws text wrapped to a width from the top left; returns its height.
    double Wrapped(const QString &text, const QFont &font, double left, double top, double width,
        Qt::Alignment alignment = Qt::AlignLeft)
    {
        painter_.setFont(font);
        const QRectF bounds = painter_.boundingRect(
            QRectF(left, top, width, 1e6), alignment | Qt::AlignTop | Qt::TextWordWrap, text);
        painter_.drawText(QRectF(left, top, width, bounds.height()),
            alignment | Qt::AlignTop | Qt::TextWordWrap, text);
        return bounds.height();
    }

    void Line(double y, const QColor &colour = kRule, double width = Mm(0.25))
    {
        painter_.setPen(QPen(colour, width));
        painter_.drawLine(QPointF(content_.left(), y), QPointF(content_.right(), y));
    }

    void TitleBlock()
    {
        const double pad = Mm(2.5);
        const double top = y_;
        const QFont title = Font(15, true);
        const QFont plain = Font(9);
        const QFontMetricsF plainMetrics = Metrics(plain);
        const QString program = Text(sheet_.program);
        const QString when = sheet_.dateTime.empty() ? Now() : Text(sheet_.dateTime);
        const double stampWidth = std::max(
            plainMetrics.horizontalAdvance(program), plainMetrics.horizontalAdvance(when));

        painter_.setPen(Qt::black);
        const double inner = content_.width() - 2 * pad;
        const double titleHeight = Wrapped(Text(sheet_.title), title, content_.left() + pad,
            top + pad, inner - stampWidth - Mm(6));
        painter_.setPen(kQuiet);
        Wrapped(program, plain, content_.right() - pad - stampWidth, top + pad, stampWidth,
            Qt::AlignRight);
        Wrapped(when, plain, content_.right() - pad - stampWidth,
            top + pad + plainMetrics.lineSpacing(), stampWidth, Qt::AlignRight);
        double y = top + pad + std::max(titleHeight, 2 * plainMetrics.lineSpacing()) + pad;
        Line(y);

        // The free fields, in equal cells; an empty one keeps a line to write on.
        const QFont label = Font(7.5, true);
        const QFont value = Font(10);
        const double labelHeight = Metrics(label).lineSpacing();
        const double valueHeight = Metrics(value).lineSpacing();
        const std::size_t count = std::max<std::size_t>(sheet_.fields.size(), 1);
        const double cell = inner / static_cast<double>(count);
        double tallest = valueHeight;
        for (std::size_t i = 0; i < sheet_.fields.size(); ++i) {
            const double left = content_.left() + pad + cell * static_cast<double>(i);
            painter_.setPen(kQuiet);
            Wrapped(Text(sheet_.fields[i].first), label, left, y + pad, cell - Mm(4));
            painter_.setPen(Qt::black);
            const QString text = Text(sheet_.fields[i].second);
            const double top = y + pad + labelHeight;
            if (text.isEmpty()) {
                painter_.setPen(QPen(kRule, Mm(0.2)));
                painter_.drawLine(QPointF(left, top + valueHeight),
                    QPointF(left + cell - Mm(6), top + valueHeight));
            } else {
                tallest = std::max(tallest, Wrapped(text, value, left, top, cell - Mm(4)));
            }
        }
        y += pad + labelHeight + tallest + pad;
        painter_.setPen(QPen(Qt::black, Mm(0.35)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRectF(content_.left(), top, content_.width(), y - top));
        y_ = y + Mm(5);
    }

    void Section(const SheetSection &section)
    {
        const QFont heading = Font(10.5, true);
        const QFont plain = Font(9);
        const QFontMetricsF metrics = Metrics(plain);
        painter_.setPen(Qt::black);
        y_ += Wrapped(Text(section.heading), heading, content_.left(), y_, content_.width());
        Line(y_ + Mm(0.8));
        y_ += Mm(2);

        const double gap = Mm(3);
        double labelWidth = 0;
        double valueWidth = 0;
        double unitWidth = 0;
        double textWidth = 0;
        for (const SheetRow &row : section.rows) {
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(Text(row.label)));
            const double width = metrics.horizontalAdvance(Text(row.value));
            if (row.figure) {
                valueWidth = std::max(valueWidth, width);
                unitWidth = std::max(unitWidth, metrics.horizontalAdvance(Text(row.unit)));
            } else {
                textWidth = std::max(textWidth, width);
            }
        }
        const double between = Mm(8);
        int columns = std::max(section.columns, 1);
        auto columnWidth = [&] { return (content_.width() - (columns - 1) * between) / columns; };
        const double needed = labelWidth + gap + std::max(valueWidth + gap + unitWidth, textWidth);
        while (columns > 1 && needed > columnWidth())
            --columns;

        const std::size_t perColumn = (section.rows.size() + static_cast<std::size_t>(columns) - 1)
            / static_cast<std::size_t>(columns);
        double bottom = y_;
        for (int column = 0; column < columns; ++column) {
            const double left = content_.left() + column * (columnWidth() + between);
            double y = y_;
            for (std::size_t i = static_cast<std::size_t>(column) * perColumn;
                 i < std::min(section.rows.size(), (column + 1) * perColumn); ++i) {
                const SheetRow &row = section.rows[i];
                painter_.setPen(kQuiet);
                Wrapped(Text(row.label), plain, left, y, labelWidth + 1);
                painter_.setPen(Qt::black);
                const double valueLeft = left + labelWidth + gap;
                double height = metrics.lineSpacing();
                if (row.figure) {
                    Wrapped(Text(row.value), plain, valueLeft, y, valueWidth + 1, Qt::AlignRight);
                    Wrapped(Text(row.unit), plain, valueLeft + valueWidth + gap, y, unitWidth + 1);
                } else {
                    height = std::max(height,
                        Wrapped(Text(row.value), plain, valueLeft, y,
                            left + columnWidth() - valueLeft));
                }
                y += height + Mm(0.9);
            }
            bottom = std::max(bottom, y);
        }
        y_ = bottom + Mm(4);
    }

    void Verdict(const SheetVerdict &verdict)
    {
        const double pad = Mm(3);
        const QFont big = Font(13, true);
        const QFont plain = Font(9);
        const double top = y_;
        const double markSpace = Mm(10);
        const double textLeft = content_.left() + pad + markSpace;
        const double width = content_.right() - pad - textLeft;
        painter_.setPen(Qt::black);
        const double verdictHeight
            = Wrapped(Text("Verdict: the car " + verdict.text), big, textLeft, top + pad, width);
        const double explanationHeight = verdict.explanation.empty()
            ? 0
            : Wrapped(Text(verdict.explanation), plain, textLeft, top + pad + verdictHeight + Mm(1),
                width);
        const double bottom = top + pad + verdictHeight + Mm(1) + explanationHeight + pad;
        DrawMark(painter_,
            QPointF(content_.left() + pad + markSpace / 2, top + pad + verdictHeight / 2),
            verdict.mark, Mm(1.6));
        painter_.setPen(QPen(Qt::black, Mm(0.35)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRectF(content_.left(), top, content_.width(), bottom - top));
        y_ = bottom + Mm(5);
    }

    // Signature and date lines at the foot of the page; returns where they start.
    double Footer()
    {
        const QFont plain = Font(9);
        const QFont small = Font(7.5);
        const QFontMetricsF metrics = Metrics(plain);
        const double smallHeight = Metrics(small).lineSpacing();
        const double base = content_.bottom() - smallHeight - Mm(2);
        const double top = base - metrics.lineSpacing() - Mm(6);
        painter_.setPen(Qt::black);
        const double half = content_.width() / 2;
        const QString sign = QStringLiteral("Signature");
        const QString date = QStringLiteral("Date");
        Wrapped(sign, plain, content_.left(), base - metrics.lineSpacing(), half);
        Wrapped(date, plain, content_.left() + half + Mm(8), base - metrics.lineSpacing(), half);
        painter_.setPen(QPen(kRule, Mm(0.25)));
        painter_.drawLine(QPointF(content_.left() + metrics.horizontalAdvance(sign) + Mm(3), base),
            QPointF(content_.left() + half - Mm(4), base));
        painter_.drawLine(
            QPointF(content_.left() + half + Mm(8) + metrics.horizontalAdvance(date) + Mm(3), base),
            QPointF(content_.right(), base));
        painter_.setPen(kQuiet);
        Wrapped(QStringLiteral("Figures as the calculator shows them, with \u201c.\u201d as the "
                               "decimal point. ")
                + Text(sheet_.program),
            small, content_.left(), content_.bottom() - smallHeight, content_.width());
        return top;
    }

    void Chart(double bottom)
    {
        const double height = std::min(bottom - y_, content_.width() * 0.62);
        if (height <= Mm(20))
            return;
        DrawChart(
            painter_, QRectF(content_.left(), y_, content_.width(), height), sheet_.chart, Font(8));
    }

    QPainter &painter_;
    const Sheet &sheet_;
    QRectF page_;
    QRectF content_;
    double y_;
};

} // namespace

std::string SheetPdf(const Sheet &sheet)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kDotsPerInch);
        pdf.setPageSize(QPageSize(sheet.paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(Text(sheet.title));
        pdf.setCreator(Text(sheet.program));
        QPainter painter;
        if (!painter.begin(&pdf))
            throw RenderError("the sheet cannot be painted");
        SheetPainter(painter, sheet).Paint();
        if (!painter.end())
            throw RenderError("the sheet cannot be painted");
    }
    return bytes.toStdString();
}

} // namespace ratedload::report
