// SPDX-License-Identifier: MIT
#include "tests/window/WindowFixture.h"

#include <QTest>

#include <string>

// The Units menu, Ctrl+I / Ctrl+M and the unit buttons switch the whole window
// between imperial and metric units.

namespace {

const QString kImperialPassTip = QStringLiteral(
    " Minimum rated load divided by 160 pounds and rounded down to the next whole number. ");
const QString kMetricPassTip = QStringLiteral(
    " Minimum rated load divided by 72.5 kilograms and rounded down to the next whole number. ");
const QStringList kAllZero { "0", "0", "0", "0", "0", "0", "0", "0" };

class UnitSwitchingTest : public WindowTest {
protected:
    static QString yesNo(bool value)
    {
        return value ? QStringLiteral("yes") : QStringLiteral("no");
    }

    // Everything that depends on the unit system, as one comparable list.
    QStringList unitState() const
    {
        QStringList captions, shown, tabStops;
        for (int n : { 7, 12, 9, 0, 4, 1, 3 })
            captions << label1(n)->text();
        for (const char *array : { "C2", "C3", "C4" })
            shown << yesNo(list(array, 0)->isVisible()) << yesNo(list(array, 1)->isVisible());
        for (const char *array : { "C3", "C4" })
            for (int index : { 0, 1 })
                tabStops << yesNo(list(array, index)->focusPolicy() & Qt::TabFocus);
        auto colour = [](QWidget *control) {
            return control->palette().color(QPalette::WindowText).name();
        };
        return {
            "Label1_7 12 9 0 4 1 3: " + captions.join('|'),
            QStringLiteral("Label1_1 and Label1_3 left: %1 %2")
                .arg(label1(1)->x())
                .arg(label1(3)->x()),
            "C2 C3 C4 shown: " + shown.join(' '),
            "C3 C4 tab stops: " + tabStops.join(' '),
            "title: " + form->windowTitle(),
            "LabelPass tooltip: " + label("LabelPass")->toolTip(),
            "Option11 selected, colour: " + yesNo(option(11)->isChecked()) + ' '
                + colour(option(11)),
            "Option12 selected, colour: " + yesNo(option(12)->isChecked()) + ' '
                + colour(option(12)),
            "mnuImperial mnuMetric checked: " + yesNo(menu("mnuImperial")->isChecked()) + ' '
                + yesNo(menu("mnuMetric")->isChecked()),
            "imperial units: " + yesNo(form->isImperialUnits()),
        };
    }

    // The unitState() that one switch to the given system leaves.
    QStringList expectedState(bool metric) const
    {
        const QString red = QColor(Qt::red).name();
        const QString black = QColor(Qt::black).name();
        if (metric)
            return {
                "Label1_7 12 9 0 4 1 3: Square Meters|Square Meters|Kilograms|Meters|Meters|"
                "Millimeters|Millimeters",
                "Label1_1 and Label1_3 left: 273 273", // 4100 twips
                "C2 C3 C4 shown: no no no no yes yes",
                "C3 C4 tab stops: no no yes yes",
                "title:  Metric - Minimum Rated Load - Vostrelle" + kTitleEnd,
                "LabelPass tooltip: " + kMetricPassTip,
                "Option11 selected, colour: no " + black,
                "Option12 selected, colour: yes " + red,
                "mnuImperial mnuMetric checked: no yes",
                "imperial units: no",
            };
        return {
            "Label1_7 12 9 0 4 1 3: Square Feet|Square Feet|Pounds|Feet|Feet|Inches|Inches",
            "Label1_1 and Label1_3 left: 232 232", // 3480 twips
            "C2 C3 C4 shown: yes yes yes yes no no",
            "C3 C4 tab stops: yes yes no no",
            "title:  Imperial - Minimum Rated Load - Vostrelle" + kTitleEnd,
            "LabelPass tooltip: " + kImperialPassTip,
            "Option11 selected, colour: yes " + red,
            "Option12 selected, colour: no " + black,
            "mnuImperial mnuMetric checked: yes no",
            "imperial units: yes",
        };
    }

    // The controls that Tab visits from Text5, by name.
    QStringList tabWalk(int steps)
    {
        click(text(5));
        QStringList names;
        for (int step = 0; step < steps; ++step) {
            pressKey(Qt::Key_Tab);
            QWidget *now = focused();
            if (now && qobject_cast<QComboBox *>(now->parentWidget()))
                now = now->parentWidget();
            names << (now ? now->objectName() : QStringLiteral("(none)"));
        }
        return names;
    }
};

const QStringList kImperialTabs { "C1_0", "C2_0", "C3_0", "C1_1", "C2_1", "C3_1", "Command1" };
const QStringList kMetricTabs { "C1_0", "C4_0", "C1_1", "C4_1", "Command1" };

} // namespace

TEST_F(UnitSwitchingTest, metric_and_back_again_leaves_the_window_as_it_opened)
{
    const QStringList atStart = unitState();
    EXPECT_EQ(atStart, expectedState(false));
    choose(menu("mnuMetric"));
    EXPECT_EQ(tabWalk(5), kMetricTabs);
    choose(menu("mnuImperial"));
    EXPECT_EQ(unitState(), atStart);
    EXPECT_TRUE(hasFocus(text(5)));
    EXPECT_EQ(tabWalk(7), kImperialTabs);
}

namespace {

enum class Way { Menu, Shortcut, UnitButton };

std::string NameOf(Way way)
{
    switch (way) {
    case Way::Menu:
        return "by_the_menu";
    case Way::Shortcut:
        return "by_the_shortcut";
    case Way::UnitButton:
        return "by_the_unit_buttons";
    }
    return {};
}

void PrintTo(Way way, std::ostream *out)
{
    *out << NameOf(way);
}

class EveryWayOfSwitching : public UnitSwitchingTest, public ::testing::WithParamInterface<Way> {
protected:
    void switchTo(bool metric)
    {
        switch (GetParam()) {
        case Way::Menu:
            choose(menu(metric ? "mnuMetric" : "mnuImperial"));
            break;
        case Way::Shortcut:
            pressKey(metric ? Qt::Key_M : Qt::Key_I, Qt::ControlModifier);
            break;
        case Way::UnitButton:
            click(option(metric ? 12 : 11));
            break;
        }
    }
};

} // namespace

TEST_P(EveryWayOfSwitching, ends_in_the_state_of_one_switch)
{
    switchTo(true);
    EXPECT_EQ(unitState(), expectedState(true));
    EXPECT_TRUE(hasFocus(text(5)));
    switchTo(false);
    EXPECT_EQ(unitState(), expectedState(false));
    EXPECT_TRUE(hasFocus(text(5)));
    EXPECT_TRUE(takeMessages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Ways, EveryWayOfSwitching,
    ::testing::Values(Way::Menu, Way::Shortcut, Way::UnitButton),
    [](const auto &info) { return NameOf(info.param); });

TEST_F(UnitSwitchingTest, choosing_the_units_in_force_clears_entries_and_answers)
{
    pick(list("C1", 0), "7");
    pick(list("C2", 0), "4");
    pick(list("C1", 1), "5");
    pick(list("C3", 1), ".250");
    click(command(1));
    ASSERT_FALSE(text(1)->text().isEmpty());

    choose(menu("mnuImperial"));
    EXPECT_EQ(listTexts(), kAllZero);
    EXPECT_TRUE(text(1)->text().isEmpty());
    EXPECT_TRUE(text(3)->text().isEmpty());
    EXPECT_TRUE(text(4)->text().isEmpty());
    EXPECT_TRUE(hasFocus(text(5)));
    EXPECT_EQ(unitState(), expectedState(false));

    typeInto(text(5), "12");
    pressKey(Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(text(5)->text().isEmpty());
    EXPECT_TRUE(hasFocus(text(5)));

    pressKey(Qt::Key_M, Qt::ControlModifier);
    pick(list("C1", 0), "2");
    pick(list("C4", 1), "350");
    typeInto(text(5), "3");
    pressKey(Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(listTexts(), kAllZero);
    EXPECT_TRUE(text(5)->text().isEmpty());
    EXPECT_EQ(unitState(), expectedState(true));
}

TEST_F(UnitSwitchingTest, the_lists_keep_their_items_in_both_systems)
{
    auto items = [](QComboBox *box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    };
    QStringList feet;
    for (int n = 0; n <= 25; ++n)
        feet << QString::number(n);
    QStringList millimetres;
    for (int n = 0; n <= 950; n += 50)
        millimetres << QString::number(n);

    pressKey(Qt::Key_M, Qt::ControlModifier);
    pressKey(Qt::Key_I, Qt::ControlModifier);
    pressKey(Qt::Key_M, Qt::ControlModifier);
    for (int index : { 0, 1 }) {
        EXPECT_EQ(items(list("C1", index)), feet);
        EXPECT_EQ(items(list("C4", index)), millimetres);
        EXPECT_EQ(items(list("C2", index)).size(), 12);
        EXPECT_EQ(items(list("C3", index)),
            QStringList({ "0", ".125", ".250", ".375", ".500", ".625", ".750", ".875" }));
    }
}

TEST_F(UnitSwitchingTest, in_the_maximum_platform_area_mode_a_switch_keeps_the_mode)
{
    choose(menu("mnuMPA"));
    typeInto(text(5), "1000");
    pressKey(Qt::Key_M, Qt::ControlModifier);

    EXPECT_FALSE(form->isRatedLoadMode());
    EXPECT_TRUE(menu("mnuMPA")->isChecked());
    EXPECT_FALSE(menu("mnuMRL")->isChecked());
    EXPECT_EQ(label1(12)->text(), "Kilograms");
    EXPECT_EQ(label1(7)->text(), "Square Meters");
    EXPECT_EQ(label1(10)->text(), "Provide rated load:");
    EXPECT_FALSE(label1(11)->isVisible());
    EXPECT_EQ(label1(13)->text(), "Find depth or width....");
    EXPECT_EQ(label1(6)->text(), "Maximum inside net platform area:");
    EXPECT_FALSE(text(3)->isVisible());
    EXPECT_TRUE(text(5)->text().isEmpty());
    EXPECT_EQ(form->windowTitle(), " Metric - Maximum Platform Area - Vostrelle" + kTitleEnd);

    pressKey(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(label1(12)->text(), "Pounds");
    EXPECT_EQ(label1(7)->text(), "Square Feet");
    EXPECT_EQ(form->windowTitle(), " Imperial - Maximum Platform Area - Vostrelle" + kTitleEnd);
    EXPECT_TRUE(hasFocus(text(5)));
}

TEST_F(UnitSwitchingTest, freight_passenger_with_a_truck_keeps_asking_for_its_weight)
{
    click(option(8));
    click(option(9));
    ASSERT_TRUE(hasFocus(text(2)));
    typeKeys("3000");

    pressKey(Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(text(2)->isVisible());
    EXPECT_TRUE(text(2)->text().isEmpty());
    EXPECT_EQ(label("Label4")->text(), "Weight of the loaded truck:");
    EXPECT_TRUE(label("Label5")->isVisible());
    EXPECT_EQ(label("Label5")->text(), "Kilograms");
    EXPECT_TRUE(option(9)->isChecked());
    EXPECT_TRUE(hasFocus(text(2)));

    typeKeys("1500");
    pressKey(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(label("Label5")->text(), "Pounds");
    EXPECT_TRUE(text(2)->text().isEmpty());
    EXPECT_TRUE(hasFocus(text(2)));

    // Imperial once more, the system already in force: the weight is asked afresh.
    typeKeys("1200");
    choose(menu("mnuImperial"));
    EXPECT_TRUE(text(2)->isVisible());
    EXPECT_TRUE(text(2)->text().isEmpty());
    EXPECT_TRUE(hasFocus(text(2)));
}

TEST_F(UnitSwitchingTest, a_truck_class_keeps_its_row_and_the_focus_ends_in_the_area_entry)
{
    click(option(2));
    click(option(5));
    ASSERT_TRUE(hasFocus(text(2)));
    typeKeys("800");

    pressKey(Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(text(2)->isVisible());
    EXPECT_TRUE(text(2)->text().isEmpty());
    EXPECT_TRUE(label("Label5")->isVisible());
    EXPECT_EQ(label("Label5")->text(), "Kilograms");
    EXPECT_TRUE(option(5)->isChecked());
    EXPECT_TRUE(hasFocus(text(5)));
}

TEST_F(UnitSwitchingTest, metric_calculations_use_square_metres_and_kilograms)
{
    pressKey(Qt::Key_M, Qt::ControlModifier);
    typeInto(text(5), "4.65");
    pressEnter();
    EXPECT_EQ(text(1)->text(), "4.65");
    EXPECT_EQ(text(3)->text(), "2268.038");
    EXPECT_EQ(text(4)->text(), "31");

    pick(list("C1", 0), "2");
    pick(list("C4", 0), "50");
    pick(list("C1", 1), "1");
    pick(list("C4", 1), "350");
    click(command(1));
    EXPECT_EQ(text(1)->text(), "2.7675");
    EXPECT_EQ(listTexts(), QStringList({ "2", "1", "0", "0", "0", "0", "50", "350" }));

    // 3 m by 1 m 550 mm is the single-precision 4.65: the lower formula.
    pick(list("C1", 0), "3");
    pick(list("C4", 0), "0");
    pick(list("C4", 1), "550");
    click(command(1));
    EXPECT_EQ(text(1)->text(), "4.65");
    EXPECT_EQ(text(3)->text(), "2268.038");
    EXPECT_EQ(text(4)->text(), "31");

    click(option(2));
    typeInto(text(5), "4");
    pressEnter();
    EXPECT_EQ(text(1)->text(), "4");
    EXPECT_EQ(text(3)->text(), "976");
    EXPECT_FALSE(text(4)->isVisible());
    EXPECT_TRUE(takeMessages().isEmpty());
}
