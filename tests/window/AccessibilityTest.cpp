// SPDX-License-Identifier: MIT
#include "tests/window/WindowFixture.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QGroupBox>
#include <QTest>

namespace {

QString SpokenName(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

class AccessibilityTest : public WindowTest {
protected:
    QString name(const char *objectName) const { return SpokenName(find<QWidget>(objectName)); }

    // Presses the access key and waits for the button's delayed click.
    void pressAccessKey(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        QTest::qWait(200);
        settle();
    }

    // The controls that Tab reaches from Text5 until it comes round again.
    QStringList tabCycle()
    {
        click(text(5));
        QStringList stops;
        for (int n = 0; n < 60; ++n) {
            pressKey(Qt::Key_Tab);
            QWidget *now = QApplication::focusWidget();
            if (now == text(5))
                return stops;
            stops << now->objectName();
        }
        return stops << "(no way back to Text5)";
    }
};

TEST_F(AccessibilityTest, entries_and_answers_are_named_by_their_caption_and_unit)
{
    EXPECT_EQ(name("Text5"), "Area, Square Feet");
    EXPECT_EQ(name("Text1"), "Inside net platform area, Square Feet");
    EXPECT_EQ(name("Text3"), "Minimum rated load, Pounds");
    EXPECT_EQ(name("Text4"), "Maximum number of passengers");
    EXPECT_EQ(name("C1_0"), "Depth, Feet");
    EXPECT_EQ(name("C2_0"), "Depth, Inches");
    EXPECT_EQ(name("C3_1"), "Width, Fraction of an inch");
    EXPECT_EQ(name("Option8"), "Freight / Passenger");
    EXPECT_EQ(name("Command4"), "Reset All");
    EXPECT_EQ(name("Label1_13"), "Or....");
}

TEST_F(AccessibilityTest, names_follow_the_units_and_the_mode)
{
    choose(menu("mnuMetric"));
    EXPECT_EQ(name("Text5"), "Area, Square Meters");
    EXPECT_EQ(name("Text3"), "Minimum rated load, Kilograms");
    EXPECT_EQ(name("C1_1"), "Width, Meters");
    EXPECT_EQ(name("C4_0"), "Depth, Millimeters");

    choose(menu("mnuMPA"));
    EXPECT_EQ(name("Text5"), "Rated load, Kilograms");
    EXPECT_EQ(name("Text1"), "Maximum inside net platform area, Square Meters");
    EXPECT_EQ(name("Label1_13"), "Find depth or width....");

    choose(menu("mnuImperial"));
    EXPECT_EQ(name("Text5"), "Rated load, Pounds");
    choose(menu("mnuMRL"));
    EXPECT_EQ(name("Text5"), "Area, Square Feet");
    EXPECT_EQ(name("Text1"), "Inside net platform area, Square Feet");
}

TEST_F(AccessibilityTest, the_truck_weight_is_named_with_its_unit)
{
    click(option(2));
    click(option(5));
    EXPECT_EQ(name("Text2"), "Weight of the loaded truck, Pounds");
    choose(menu("mnuMetric"));
    EXPECT_EQ(name("Text2"), "Weight of the loaded truck, Kilograms");
}

TEST_F(AccessibilityTest, every_control_a_person_reads_or_operates_has_a_name)
{
    click(option(8)); // shows the truck question as well
    const auto controls = form->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        const bool operated = qobject_cast<QAbstractButton *>(control)
            || qobject_cast<QLineEdit *>(control) || qobject_cast<QComboBox *>(control)
            || qobject_cast<QGroupBox *>(control);
        auto *label = qobject_cast<QLabel *>(control);
        const bool read = label && !label->text().isEmpty();
        const bool shown = control->isVisibleTo(form.get()) && control->window() == form.get()
            && !control->objectName().isEmpty();
        if (shown && (operated || read)) {
            EXPECT_FALSE(SpokenName(control).isEmpty()) << qPrintable(control->objectName());
        }
    }
}

TEST_F(AccessibilityTest, tab_reaches_every_control_in_order_skipping_hidden_and_disabled_ones)
{
    const QStringList lists = { "C1_0", "C2_0", "C3_0", "C1_1", "C2_1", "C3_1" };
    const QStringList buttons = { "Command1", "Command4", "Command2", "Command3" };
    QStringList expected = lists + buttons;
    expected << "Option1"
             << "Text1"
             << "Text3"
             << "Text4"
             << "Option11";
    EXPECT_EQ(tabCycle(), expected);

    click(option(2));
    expected = lists + buttons;
    expected << "Option2"
             << "Text1"
             << "Text3"
             << "Option3"
             << "Option11";
    EXPECT_EQ(tabCycle(), expected);

    click(option(5));
    expected = lists + buttons;
    expected << "Option2"
             << "Text1"
             << "Text3"
             << "Option5"
             << "Option11"
             << "Text2";
    EXPECT_EQ(tabCycle(), expected);

    click(option(8));
    click(option(9));
    choose(menu("mnuMetric"));
    expected = QStringList { "C1_0", "C4_0", "C1_1", "C4_1" } + buttons;
    expected << "Text1"
             << "Text3"
             << "Text4"
             << "Option8"
             << "Option9"
             << "Option12"
             << "Text2";
    EXPECT_EQ(tabCycle(), expected);
}

TEST_F(AccessibilityTest, access_keys_reach_every_option_and_button)
{
    pressAccessKey(Qt::Key_F);
    EXPECT_TRUE(option(2)->isChecked());
    pressAccessKey(Qt::Key_B);
    EXPECT_TRUE(option(4)->isChecked());
    pressAccessKey(Qt::Key_1);
    EXPECT_TRUE(option(5)->isChecked());
    EXPECT_TRUE(hasFocus(text(2)));
    pressAccessKey(Qt::Key_3);
    EXPECT_TRUE(option(7)->isChecked());
    pressAccessKey(Qt::Key_R);
    EXPECT_TRUE(option(8)->isChecked());
    pressAccessKey(Qt::Key_Y);
    EXPECT_TRUE(option(9)->isChecked());
    pressAccessKey(Qt::Key_N);
    EXPECT_TRUE(option(10)->isChecked());
    pressAccessKey(Qt::Key_M);
    EXPECT_FALSE(form->isImperialUnits());
    pressAccessKey(Qt::Key_I);
    EXPECT_TRUE(form->isImperialUnits());
    pressAccessKey(Qt::Key_P);
    EXPECT_TRUE(option(1)->isChecked());

    typeKeys("50");
    pressAccessKey(Qt::Key_C);
    EXPECT_EQ(text(3)->text(), "5002.5");
    pressAccessKey(Qt::Key_L);
    EXPECT_EQ(text(3)->text(), "");
    typeKeys("7");
    pressAccessKey(Qt::Key_T);
    EXPECT_EQ(text(5)->text(), "");
    pressAccessKey(Qt::Key_X);
    EXPECT_FALSE(form->isVisible());
}

} // namespace
