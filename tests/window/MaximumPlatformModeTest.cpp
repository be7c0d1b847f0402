// SPDX-License-Identifier: MIT
#include "tests/window/WindowFixture.h"

#include <QTest>

#include <vector>

// Find > Maximum Platform Area: a rated load typed into Text5 gives the
// maximum inside net platform area in Text1 and, for the types that carry
// passengers, the number of passengers in Text4; then the missing side is
// asked for.

namespace {

const QString kRatedLoadPrompt = QStringLiteral("             Please enter the rated load.");
const QString kSidePrompt = QStringLiteral("      Please enter the depth or the width.");
const QString kPlatformTip = QStringLiteral(" The inside net platform area shall be determined at "
                                            "a point 36 in. (914mm) above the floor. ");

class MaximumPlatformModeTest : public WindowTest {
protected:
    // Everything that the mode commands set, as one comparable list.
    QStringList modeState() const
    {
        auto yesNo
            = [](bool value) { return value ? QStringLiteral("yes") : QStringLiteral("no"); };
        return {
            "Label1_10 caption: " + label1(10)->text(),
            "Label1_11 visible: " + yesNo(label1(11)->isVisible()),
            "Label1_12 caption: " + label1(12)->text(),
            "Label1_12 tooltip: " + label1(12)->toolTip(),
            "Label1_13 caption: " + label1(13)->text(),
            "Label1_13 tooltip: " + label1(13)->toolTip(),
            "Label1_6 caption: " + label1(6)->text(),
            "Label1_8 enabled: " + yesNo(label1(8)->isEnabled()),
            "Label1_9 enabled: " + yesNo(label1(9)->isEnabled()),
            "Text3 visible: " + yesNo(text(3)->isVisible()),
            "Command1 tooltip: " + command(1)->toolTip(),
            "mnuMRL checked: " + yesNo(menu("mnuMRL")->isChecked()),
            "mnuMPA checked: " + yesNo(menu("mnuMPA")->isChecked()),
            "rated load mode: " + yesNo(form->isRatedLoadMode()),
            "title: " + form->windowTitle(),
        };
    }

    void enterMode() { choose(menu("mnuMPA")); }

    void calculateFor(const QString &ratedLoad)
    {
        typeInto(text(5), ratedLoad);
        click(command(1));
    }

    void expectOnlyMessage(const QString &prompt)
    {
        const QList<Message> shown = takeMessages();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].title, kAreaTitle);
        EXPECT_EQ(shown[0].text, prompt);
        EXPECT_FALSE(shown[0].hasIcon);
        EXPECT_EQ(shown[0].buttonCount, 1);
    }
};

const QStringList kAllZero { "0", "0", "0", "0", "0", "0", "0", "0" };

} // namespace

TEST_F(MaximumPlatformModeTest, entering_the_mode_clears_and_relabels_the_window_for_a_rated_load)
{
    pick(list("C1", 0), "7");
    pick(list("C2", 0), "4");
    pick(list("C1", 1), "5");
    click(command(1));
    ASSERT_FALSE(text(1)->text().isEmpty());
    enterMode();

    EXPECT_EQ(listTexts(), kAllZero);
    EXPECT_TRUE(text(1)->text().isEmpty());
    EXPECT_TRUE(text(3)->text().isEmpty());
    EXPECT_TRUE(text(4)->text().isEmpty());

    EXPECT_EQ(label1(10)->text(), "Provide rated load:");
    EXPECT_FALSE(label1(11)->isVisible());
    EXPECT_EQ(label1(12)->text(), "Pounds");
    EXPECT_TRUE(label1(12)->toolTip().isEmpty());
    EXPECT_EQ(label1(13)->text(), "Find depth or width....");
    EXPECT_EQ(label1(13)->toolTip(), " Provide the depth to find the width and vice versa ");
    EXPECT_EQ(label1(6)->text(), "Maximum inside net platform area:");
    EXPECT_FALSE(label1(8)->isEnabled());
    EXPECT_FALSE(label1(9)->isEnabled());
    EXPECT_FALSE(text(3)->isVisible());
    EXPECT_EQ(command(1)->toolTip(), " Calculate maximum inside net platform area ");
    EXPECT_TRUE(menu("mnuMPA")->isChecked());
    EXPECT_FALSE(menu("mnuMRL")->isChecked());
    EXPECT_FALSE(form->isRatedLoadMode());
    EXPECT_EQ(form->windowTitle(), " Imperial - Maximum Platform Area - Vostrelle" + kTitleEnd);
    EXPECT_TRUE(hasFocus(text(5)));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(MaximumPlatformModeTest, a_class_sets_the_lists_back_and_puts_the_focus_in_the_load)
{
    enterMode();
    click(option(2));
    for (int n : { 4, 5, 7, 6 }) {
        typeInto(list("C1", 1), "5");
        click(option(n));
        EXPECT_EQ(listTexts(), kAllZero) << "Option" << n;
        EXPECT_TRUE(hasFocus(text(5))) << "Option" << n;
    }
}

TEST_F(MaximumPlatformModeTest, leaving_the_mode_restores_every_caption_and_state)
{
    const QStringList atStart = modeState();
    pressKey(Qt::Key_A, Qt::ControlModifier);
    EXPECT_NE(modeState(), atStart);
    pressKey(Qt::Key_L, Qt::ControlModifier);

    EXPECT_EQ(modeState(), atStart);
    EXPECT_EQ(label1(12)->text(), "Square Feet");
    EXPECT_EQ(label1(12)->toolTip(), kPlatformTip);
    EXPECT_EQ(label1(13)->text(), "Or....");
    EXPECT_TRUE(label1(13)->toolTip().isEmpty());
    EXPECT_EQ(command(1)->toolTip(), " Calculate minimum rated load ");
    EXPECT_EQ(form->windowTitle(), " Imperial - Minimum Rated Load - Vostrelle" + kTitleEnd);
    EXPECT_TRUE(hasFocus(text(5)));
}

TEST_F(MaximumPlatformModeTest, the_shortcut_and_the_menu_enter_the_same_mode)
{
    pressKey(Qt::Key_A, Qt::ControlModifier);
    const QStringList byShortcut = modeState();
    pressKey(Qt::Key_L, Qt::ControlModifier);
    enterMode();
    EXPECT_EQ(modeState(), byShortcut);
    enterMode(); // chosen again while on: the same steps once more
    EXPECT_EQ(modeState(), byShortcut);
}

TEST_F(
    MaximumPlatformModeTest, metric_units_label_the_load_in_kilograms_and_the_area_in_square_meters)
{
    pressKey(Qt::Key_M, Qt::ControlModifier);
    enterMode();
    EXPECT_EQ(label1(12)->text(), "Kilograms");
    EXPECT_TRUE(label1(12)->toolTip().isEmpty());
    pressKey(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(label1(12)->text(), "Square Meters");
    EXPECT_EQ(label1(12)->toolTip(), kPlatformTip);
}

TEST_F(MaximumPlatformModeTest, an_empty_or_zero_rated_load_is_asked_for_and_nothing_changes)
{
    enterMode();
    pick(list("C1", 1), "5");
    click(command(1));
    expectOnlyMessage(kRatedLoadPrompt);
    EXPECT_TRUE(hasFocus(text(5)));

    typeInto(text(5), "0"); // resets the lists
    pick(list("C1", 1), "6");
    click(command(1));
    expectOnlyMessage(kRatedLoadPrompt);
    EXPECT_TRUE(hasFocus(text(5)));
    EXPECT_EQ(text(5)->text(), "0");
    EXPECT_EQ(listTexts(), QStringList({ "0", "6", "0", "0", "0", "0", "0", "0" }));
    EXPECT_TRUE(text(1)->text().isEmpty());
    EXPECT_TRUE(text(4)->text().isEmpty());
    EXPECT_FALSE(form->isDimensionFound());
}

TEST_F(MaximumPlatformModeTest, a_load_that_only_looks_like_zero_is_calculated)
{
    for (const QString &load :
        { QStringLiteral(" 0"), QStringLiteral("0.0"), QStringLiteral("abc") }) {
        SCOPED_TRACE(qPrintable("rated load '" + load + "'"));
        enterMode(); // empties Text5
        calculateFor(load);
        // Passenger, 0 lb: an area of 0, which asks for no side.
        EXPECT_EQ(text(1)->text(), "0");
        EXPECT_EQ(text(4)->text(), "0");
        EXPECT_TRUE(takeMessages().isEmpty());
        EXPECT_FALSE(form->isDimensionFound());
    }
}

namespace {

struct AreaCase {
    const char *name;
    bool metric;
    std::vector<int> options; // option buttons clicked after entering the mode
    const char *load;
    const char *area;
    const char *passengers; // nullptr: the passengers row is disabled and hidden
};

void PrintTo(const AreaCase &areaCase, std::ostream *out)
{
    *out << areaCase.name;
}

class MaximumAreaForRatedLoad : public MaximumPlatformModeTest,
                                public ::testing::WithParamInterface<AreaCase> { };

const AreaCase kAreaCases[] = {
    { "imperial_passenger_2500", false, {}, "2500", "29.0451", "15" },
    { "imperial_passenger_5000_lower_formula", false, {}, "5000", "49.9813", "31" },
    { "imperial_passenger_5001_upper_formula", false, {}, "5001", "50.0097", "31" },
    { "imperial_freight_passenger_2500", false, { 8 }, "2500", "29.0451", "15" },
    { "imperial_class_a_5000", false, { 2 }, "5000", "100", nullptr },
    { "imperial_class_b_3000", false, { 2, 4 }, "3000", "100", nullptr },
    { "imperial_class_c1_5000", false, { 2, 5 }, "5000", "100", nullptr },
    { "imperial_class_c2_5000", false, { 2, 6 }, "5000", "100", nullptr },
    { "imperial_class_c3_5000", false, { 2, 7 }, "5000", "100", nullptr },
    { "metric_passenger_1000", true, {}, "1000", "2.4372", "13" },
    { "metric_passenger_2269_lower_formula", true, {}, "2269", "4.6515", "31" },
    { "metric_passenger_2270_upper_formula", true, {}, "2270", "4.6508", "31" },
    { "metric_passenger_110", true, {}, "110", "0.3269", "1" },
    { "metric_freight_passenger_110", true, { 8 }, "110", "0.3269", "1" },
    { "metric_class_a_1000", true, { 2 }, "1000", "4.0984", nullptr },
    { "metric_class_b_1000", true, { 2, 4 }, "1000", "6.8493", nullptr },
};

} // namespace

TEST_P(MaximumAreaForRatedLoad, shows_the_area_and_then_asks_for_a_side)
{
    const AreaCase &c = GetParam();
    if (c.metric)
        pressKey(Qt::Key_M, Qt::ControlModifier);
    enterMode();
    for (int n : c.options)
        click(option(n));
    calculateFor(QString::fromLatin1(c.load));

    EXPECT_EQ(text(1)->text(), c.area);
    if (c.passengers) {
        EXPECT_EQ(text(4)->text(), c.passengers);
        EXPECT_TRUE(text(4)->isVisible());
        EXPECT_TRUE(label("LabelPass")->isEnabled());
    } else {
        EXPECT_FALSE(text(4)->isVisible());
        EXPECT_FALSE(label("LabelPass")->isEnabled());
    }
    EXPECT_TRUE(text(3)->text().isEmpty());
    EXPECT_EQ(text(5)->text(), c.load);
    expectOnlyMessage(kSidePrompt);
    EXPECT_TRUE(hasFocus(list("C1", 0)));
    EXPECT_FALSE(form->isDimensionFound());
}

INSTANTIATE_TEST_SUITE_P(Loads, MaximumAreaForRatedLoad, ::testing::ValuesIn(kAreaCases),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MaximumPlatformModeTest, letters_with_class_a_give_an_area_of_zero_and_ask_for_no_side)
{
    enterMode();
    click(option(2));
    calculateFor("abc");
    EXPECT_EQ(text(1)->text(), "0");
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_FALSE(form->isDimensionFound());
}

TEST_F(MaximumPlatformModeTest, a_negative_area_is_no_area_and_is_calculated_again)
{
    enterMode();
    click(option(2));
    calculateFor("-100");
    EXPECT_EQ(text(1)->text(), "-2");
    EXPECT_TRUE(takeMessages().isEmpty());

    // With a width given, a side search on -2 would write the depth row.
    pick(list("C1", 1), "5");
    click(command(1));
    EXPECT_EQ(text(1)->text(), "-2");
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(listTexts(), QStringList({ "0", "5", "0", "0", "0", "0", "0", "0" }));
    EXPECT_FALSE(form->isDimensionFound());
}

TEST_F(MaximumPlatformModeTest, calculate_again_without_editing_goes_straight_to_the_side_search)
{
    enterMode();
    calculateFor("2500");
    expectOnlyMessage(kSidePrompt);
    pressEnter();
    expectOnlyMessage(kSidePrompt);
    EXPECT_EQ(text(1)->text(), "29.0451");
    EXPECT_EQ(text(4)->text(), "15");
    EXPECT_TRUE(hasFocus(list("C1", 0)));
}

TEST_F(MaximumPlatformModeTest, a_passenger_count_overflow_ends_silently_after_the_area)
{
    enterMode();
    calculateFor("3E9");
    EXPECT_EQ(text(1)->text(), "252121.0316");
    EXPECT_TRUE(text(4)->text().isEmpty());
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_FALSE(form->isDimensionFound());

    // The area stands, so the next press only asks for a side.
    click(command(1));
    expectOnlyMessage(kSidePrompt);
    EXPECT_TRUE(text(4)->text().isEmpty());
}

TEST_F(MaximumPlatformModeTest, a_passenger_load_below_the_root_range_ends_silently)
{
    enterMode();
    calculateFor("-1700");
    EXPECT_TRUE(text(1)->text().isEmpty());
    EXPECT_TRUE(text(4)->text().isEmpty());
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(text(5)->text(), "-1700");
}

TEST_F(MaximumPlatformModeTest, typing_a_load_empties_the_answers_and_resets_the_lists)
{
    enterMode();
    calculateFor("2500");
    takeMessages();

    typeKeys("7"); // into C1(0), where the prompt left the focus
    EXPECT_TRUE(list("C1", 0)->currentText().contains('7'));
    pick(list("C1", 1), "5");
    pick(list("C2", 1), "3");
    EXPECT_EQ(text(1)->text(), "29.0451");
    EXPECT_EQ(text(4)->text(), "15");

    typeInto(text(5), "1");
    EXPECT_TRUE(text(1)->text().isEmpty());
    EXPECT_TRUE(text(4)->text().isEmpty());
    EXPECT_EQ(listTexts(), kAllZero);
}

TEST_F(MaximumPlatformModeTest, leaving_with_freight_passenger_asks_about_the_truck_again)
{
    click(option(8));
    ASSERT_TRUE(label("Label2")->isVisible());
    enterMode();
    EXPECT_FALSE(label("Label2")->isVisible());
    EXPECT_FALSE(option(9)->isVisible());
    EXPECT_FALSE(option(10)->isVisible());

    choose(menu("mnuMRL"));
    EXPECT_TRUE(label("Label2")->isVisible());
    EXPECT_TRUE(option(9)->isVisible());
    EXPECT_TRUE(option(10)->isVisible());
    EXPECT_TRUE(option(10)->isChecked());
    EXPECT_TRUE(hasFocus(text(5)));
}

TEST_F(MaximumPlatformModeTest, leaving_with_a_truck_class_shows_the_truck_weight_row_again)
{
    click(option(2));
    for (int truckClass : { 5, 6 }) {
        SCOPED_TRACE(truckClass == 5 ? "class C1" : "class C2");
        click(option(truckClass));
        ASSERT_TRUE(text(2)->isVisible());
        typeKeys("900");
        enterMode();
        EXPECT_FALSE(text(2)->isVisible());
        EXPECT_FALSE(label("Label4")->isVisible());
        EXPECT_FALSE(label("Label5")->isVisible());

        choose(menu("mnuMRL"));
        EXPECT_TRUE(text(2)->isVisible());
        EXPECT_TRUE(text(2)->text().isEmpty());
        EXPECT_EQ(label("Label4")->text(), "Weight of the loaded truck:");
        EXPECT_TRUE(label("Label5")->isVisible());
        EXPECT_EQ(label("Label5")->text(), "Pounds");
        EXPECT_TRUE(hasFocus(text(5)));
    }
}
