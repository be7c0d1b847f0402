// SPDX-License-Identifier: MIT
#include "tests/window/WindowFixture.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <functional>

namespace {

// Pixels of a control, as drawn on the screen.
QImage picture(QWidget *control)
{
    return control->grab().toImage();
}

int countPixels(const QImage &image, const std::function<bool(const QColor &)> &matches)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += matches(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

QStringList itemsOf(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

QStringList numbers(int first, int last, int step)
{
    QStringList texts;
    for (int n = first; n <= last; n += step)
        texts << QString::number(n);
    return texts;
}

QString nameOf(const QWidget *control)
{
    if (!control)
        return QStringLiteral("(none)");
    // The edit field of a drop-down list stands for the list.
    if (control->objectName().isEmpty() && qobject_cast<const QComboBox *>(control->parentWidget()))
        return control->parentWidget()->objectName();
    return control->objectName();
}

} // namespace

TEST_F(WindowTest, opens_with_passenger_imperial_and_minimum_rated_load_chosen)
{
    EXPECT_TRUE(form->isImperialUnits());
    EXPECT_TRUE(form->isRatedLoadMode());
    EXPECT_FALSE(form->isDimensionFound());
    EXPECT_TRUE(option(1)->isChecked());
    EXPECT_FALSE(option(2)->isChecked());
    EXPECT_FALSE(option(8)->isChecked());
    EXPECT_TRUE(option(11)->isChecked());
    EXPECT_FALSE(option(12)->isChecked());
    EXPECT_TRUE(menu("mnuImperial")->isChecked());
    EXPECT_FALSE(menu("mnuMetric")->isChecked());
    EXPECT_TRUE(menu("mnuMRL")->isChecked());
    EXPECT_FALSE(menu("mnuMPA")->isChecked());
    EXPECT_EQ(menu("mnuImperial")->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
    EXPECT_EQ(menu("mnuMetric")->shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));
    EXPECT_EQ(menu("mnuMRL")->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    EXPECT_EQ(menu("mnuMPA")->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    EXPECT_EQ(find<QMenu>("mnuUnits")->title(), "&Units");
    EXPECT_EQ(find<QMenu>("mnuFind")->title(), "Fin&d");
}

TEST_F(WindowTest, opens_with_the_classes_disabled_and_the_truck_questions_hidden)
{
    for (int n = 3; n <= 7; ++n) {
        EXPECT_FALSE(option(n)->isEnabled()) << "Option" << n;
        EXPECT_FALSE(option(n)->isChecked()) << "Option" << n;
    }
    EXPECT_FALSE(label("Label2")->isVisible());
    EXPECT_FALSE(option(9)->isVisible());
    EXPECT_FALSE(option(10)->isVisible());
    EXPECT_TRUE(option(10)->isChecked());
    EXPECT_FALSE(text(2)->isVisible());
    EXPECT_FALSE(label("Label5")->isVisible());
    EXPECT_TRUE(label("Label4")->text().isEmpty());
    EXPECT_TRUE(label("LabelPass")->isEnabled());
    EXPECT_TRUE(text(4)->isVisible());
}

TEST_F(WindowTest, opens_with_empty_boxes_zero_lists_and_the_focus_in_the_area_entry)
{
    EXPECT_EQ(listTexts(), QStringList({ "0", "0", "0", "0", "0", "0", "0", "0" }));
    for (int n = 1; n <= 5; ++n)
        EXPECT_TRUE(text(n)->text().isEmpty()) << "Text" << n;
    EXPECT_TRUE(hasFocus(text(5)));
}

TEST_F(WindowTest, title_names_units_mode_and_maker_then_19_blanks_and_an_address)
{
    EXPECT_EQ(form->windowTitle(),
        " Imperial - Minimum Rated Load - Vostrelle                   ratedload@vostrelle.example");
}

TEST_F(WindowTest, answer_boxes_are_read_only_and_drawn_yellow)
{
    for (int n : { 1, 3, 4 }) {
        EXPECT_TRUE(text(n)->isReadOnly()) << "Text" << n;
        const QImage image = picture(text(n));
        EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), QColor(255, 255, 0))
            << "Text" << n;
    }
    EXPECT_FALSE(text(5)->isReadOnly());
    EXPECT_FALSE(text(2)->isReadOnly());
    // Typing into an answer changes nothing.
    text(1)->setFocus();
    QTest::keyClicks(text(1), "12");
    EXPECT_TRUE(text(1)->text().isEmpty());
}

TEST_F(WindowTest, imperial_caption_is_red_and_or_separator_is_red)
{
    EXPECT_EQ(option(11)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(label1(13)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    const auto red
        = [](const QColor &c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; };
    EXPECT_GT(countPixels(picture(option(11)), red), 10);
    EXPECT_EQ(countPixels(picture(option(12)), red), 0);
    EXPECT_GT(countPixels(picture(label1(13)), red), 10);
}

TEST_F(WindowTest, window_has_a_fixed_size_and_no_maximize_button)
{
    EXPECT_EQ(form->centralWidget()->size(), QSize(663, 664));
    EXPECT_EQ(form->centralWidget()->y(), form->menuBar()->height());
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->size(), form->minimumSize());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form->windowIcon().isNull());
}

TEST_F(WindowTest, window_icon_shows_the_drawn_images_at_16_and_32_pixels)
{
    const QIcon icon = form->windowIcon();
    for (int side : { 16, 32 }) {
        ASSERT_TRUE(icon.availableSizes().contains(QSize(side, side))) << side;
        const QImage drawn(
            QStringLiteral(RATEDLOAD_SOURCE_DIR "/window/icons/ratedload-%1.xpm").arg(side));
        ASSERT_FALSE(drawn.isNull());
        EXPECT_EQ(icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32),
            drawn.convertToFormat(QImage::Format_ARGB32))
            << side;
    }
}

TEST_F(WindowTest, tooltips_begin_and_end_with_a_blank)
{
    const QString platformTip = QStringLiteral(" The inside net platform area shall be determined "
                                               "at a point 36 in. (914mm) above the floor. ");
    EXPECT_EQ(option(1)->toolTip(),
        " Passenger elevators conforming to certain requirements shall be permitted to carry "
        "freight. ");
    EXPECT_EQ(option(4)->toolTip(), " Motor Vehicle Loading - 30 lb/sq ft ( 146 kg/sq m ) ");
    EXPECT_EQ(label1(2)->toolTip(), platformTip);
    EXPECT_EQ(label1(5)->toolTip(), platformTip);
    EXPECT_EQ(label1(12)->toolTip(), platformTip);
    EXPECT_EQ(label("LabelPass")->toolTip(),
        " Minimum rated load divided by 160 pounds and rounded down to the next whole number. ");
    EXPECT_EQ(command(1)->toolTip(), " Calculate minimum rated load ");
    EXPECT_EQ(command(4)->toolTip(), " Clear answers as well as all entries ");
    EXPECT_EQ(command(2)->toolTip(), " Clear answers only ");
    EXPECT_EQ(command(3)->toolTip(), " Exit program ");
    for (QWidget *untipped : { static_cast<QWidget *>(text(5)),
             static_cast<QWidget *>(list("C1", 0)), static_cast<QWidget *>(option(9)),
             static_cast<QWidget *>(label1(13)), static_cast<QWidget *>(option(11)) })
        EXPECT_TRUE(untipped->toolTip().isEmpty()) << qPrintable(untipped->objectName());
}

TEST_F(WindowTest, controls_use_the_sizes_and_weights_of_the_design_in_a_sans_face)
{
    struct Expected {
        const char *name;
        qreal points;
        bool bold;
    };
    for (const Expected &e : { Expected { "Text5", 13.5, true }, Expected { "Text1", 13.5, true },
             Expected { "C2_0", 13.5, true }, Expected { "Command1", 13.5, true },
             Expected { "Label1_11", 13.5, true }, Expected { "Option1", 9.75, true },
             Expected { "Option5", 9.75, true }, Expected { "Option9", 8, false },
             Expected { "Label2", 8, false }, Expected { "Label1_13", 18, true } }) {
        const QWidget *control = find<QWidget>(e.name);
        ASSERT_NE(control, nullptr);
        EXPECT_DOUBLE_EQ(control->font().pointSizeF(), e.points) << e.name;
        EXPECT_EQ(control->font().bold(), e.bold) << e.name;
        const QFontInfo face(control->font());
        EXPECT_FALSE(face.fixedPitch()) << e.name;
        const QString family = face.family();
        EXPECT_TRUE((family.contains("Sans") && !family.contains("Mono")) || family == "Arial"
            || family == "Helvetica")
            << e.name << " is drawn in " << qPrintable(family);
    }
    // The drop-down menus are windows of their own, which take no font from the window.
    for (const char *menu : { "mnuUnits", "mnuFind" })
        EXPECT_EQ(QFontInfo(find<QMenu>(menu)->font()).family(), QFontInfo(form->font()).family());
}

TEST_F(WindowTest, every_label_caption_fits_inside_its_label)
{
    for (QLabel *caption : form->findChildren<QLabel *>()) {
        if (caption->objectName().isEmpty() || caption->text().isEmpty())
            continue;
        const QRect room = caption->contentsRect();
        const QRect needed = QFontMetrics(caption->font())
                                 .boundingRect(QRect(0, 0, room.width(), 10000),
                                     Qt::TextWordWrap | caption->alignment(), caption->text());
        EXPECT_LE(needed.width(), room.width()) << qPrintable(caption->objectName());
        EXPECT_LE(needed.height(), room.height()) << qPrintable(caption->objectName());
    }
    // The truck question is the one caption that takes two lines.
    const QLabel *question = label("Label2");
    const QFontMetrics metrics(question->font());
    EXPECT_GT(
        metrics.boundingRect(question->contentsRect(), Qt::TextWordWrap, question->text()).height(),
        metrics.height());
}

TEST_F(WindowTest, millimetre_lists_are_hidden_and_out_of_the_tab_order)
{
    for (int row = 0; row < 2; ++row) {
        EXPECT_FALSE(list("C4", row)->isVisible());
        EXPECT_FALSE(list("C4", row)->focusPolicy() & Qt::TabFocus);
        EXPECT_TRUE(list("C3", row)->isVisible());
        EXPECT_EQ(list("C4", row)->geometry(), list("C3", row)->geometry());
    }
}

TEST_F(WindowTest, tab_walks_entries_lists_buttons_then_the_selected_options)
{
    QStringList stops;
    for (int i = 0; i < 17; ++i) {
        stops << nameOf(focused());
        pressKey(Qt::Key_Tab);
    }
    // The answer boxes may or may not be stops; nothing else may be.
    stops.removeAll("Text1");
    stops.removeAll("Text3");
    stops.removeAll("Text4");
    EXPECT_EQ(stops.mid(0, 14),
        QStringList({ "Text5", "C1_0", "C2_0", "C3_0", "C1_1", "C2_1", "C3_1", "Command1",
            "Command4", "Command2", "Command3", "Option1", "Option11", "Text5" }));
}

TEST_F(WindowTest, shift_tab_from_the_area_entry_reaches_the_selected_unit_button)
{
    pressKey(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(nameOf(focused()), QString("Option11"));
}

TEST_F(WindowTest, tab_stops_at_the_selected_truck_answer_of_freight_passenger)
{
    click(option(8));
    QStringList stops;
    for (int i = 0; i < 20 && !stops.contains("Option11"); ++i) {
        pressKey(Qt::Key_Tab);
        if (qobject_cast<QRadioButton *>(focused()))
            stops << nameOf(focused());
    }
    EXPECT_EQ(stops, QStringList({ "Option8", "Option10", "Option11" }));
}

TEST_F(WindowTest, lists_offer_their_common_values)
{
    const QStringList eighths { "0", ".125", ".250", ".375", ".500", ".625", ".750", ".875" };
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(itemsOf(list("C1", row)), numbers(0, 25, 1)) << "row " << row;
        EXPECT_EQ(itemsOf(list("C2", row)), numbers(0, 11, 1)) << "row " << row;
        EXPECT_EQ(itemsOf(list("C3", row)), eighths) << "row " << row;
        EXPECT_EQ(itemsOf(list("C4", row)), numbers(0, 950, 50)) << "row " << row;
        EXPECT_TRUE(list("C1", row)->isEditable());
    }
}
