// SPDX-License-Identifier: MIT
// Run once per device pixel ratio: unset, QT_SCALE_FACTOR=1.5 and 2.

#include "tests/window/WindowFixture.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionButton>

#include <set>
#include <utility>

namespace {

double ScaleFactor()
{
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

// Where the caption of a control does not fit its rectangle, why; else empty.
QString Clipped(QWidget *control)
{
    const QFontMetricsF metrics(control->font(), control);
    if (auto *label = qobject_cast<QLabel *>(control)) {
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, label->width(), 10000),
            Qt::TextWordWrap | label->alignment(), label->text());
        if (needed.width() > label->width() + 0.5 || needed.height() > label->height() + 0.5)
            return QStringLiteral("needs %1 x %2").arg(needed.width()).arg(needed.height());
        return {};
    }
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        QString text = button->text();
        text.remove(QLatin1Char('&'));
        double needed = metrics.horizontalAdvance(text);
        if (qobject_cast<QRadioButton *>(button)) {
            QStyleOptionButton option;
            option.initFrom(button);
            needed
                += button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, button)
                + button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, button);
        }
        if (needed > button->width() + 0.5 || metrics.height() > button->height() + 0.5)
            return QStringLiteral("needs %1 x %2").arg(needed).arg(metrics.height());
        return {};
    }
    if (auto *group = qobject_cast<QGroupBox *>(control)) {
        if (metrics.horizontalAdvance(group->title()) > group->width())
            return QStringLiteral("title wider than the group");
    }
    return {};
}

class HighDpi : public WindowTest { };

TEST_F(HighDpi, the_window_is_drawn_at_the_device_pixel_ratio)
{
    const double factor = ScaleFactor();
    EXPECT_DOUBLE_EQ(form->devicePixelRatioF(), factor);
    const QPixmap picture = form->grab();
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), form->size());
    EXPECT_NEAR(picture.width(), form->width() * factor, 1.0);
}

TEST_F(HighDpi, every_caption_fits_its_rectangle)
{
    // Each state that changes captions: the truck question and row shown,
    // metric units, and the maximum-platform-area mode.
    click(option(8));
    click(option(9));
    for (int step = 0; step < 3; ++step) {
        if (step == 1)
            choose(menu("mnuMetric"));
        if (step == 2)
            choose(menu("mnuMPA"));
        const auto controls = form->findChildren<QWidget *>();
        for (QWidget *control : controls) {
            if (control->isVisibleTo(form.get()) && !control->objectName().isEmpty()) {
                const QString why = Clipped(control);
                EXPECT_TRUE(why.isEmpty())
                    << "step " << step << ": " << control->objectName().toStdString() << " "
                    << why.toStdString();
            }
        }
    }
}

TEST_F(HighDpi, controls_overlap_only_where_the_design_lets_them)
{
    // The truck question's caption touches the button above it and the
    // answers below it by a pixel in the design.
    const std::set<std::pair<QString, QString>> designed
        = { { "Label2", "Option8" }, { "Frame3", "Label2" } };
    click(option(8));
    const auto controls = form->findChildren<QWidget *>();
    for (QWidget *first : controls) {
        for (QWidget *second : controls) {
            const bool siblings = first->parentWidget() == second->parentWidget();
            const bool shown = first->isVisibleTo(form.get()) && second->isVisibleTo(form.get());
            const bool named = !first->objectName().isEmpty() && !second->objectName().isEmpty()
                && !first->objectName().startsWith("qt_")
                && !second->objectName().startsWith("qt_");
            if (first->objectName() >= second->objectName() || !siblings || !shown || !named
                || first->window() != form.get())
                continue;
            if (first->geometry().intersects(second->geometry())) {
                EXPECT_TRUE(designed.count({ first->objectName(), second->objectName() }))
                    << first->objectName().toStdString() << " overlaps "
                    << second->objectName().toStdString();
            }
        }
    }
}

} // namespace
