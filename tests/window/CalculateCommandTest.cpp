// SPDX-License-Identifier: MIT
#include "tests/window/WindowFixture.h"

#include <QFontInfo>
#include <QTest>

namespace {

const QString kBothWays
    = QStringLiteral("Please enter the platform area or the depth and width ...but not both.");
const QString kNoTruckWeight
    = QStringLiteral("Did you make an entry in the truck weight text box?");
const QString kNoArea = QStringLiteral("Please enter the platform area or the depth and width.");

const QStringList kZeros { "0", "0", "0", "0", "0", "0", "0", "0" };

QStringList textsOf(const QList<Message> &shown)
{
    QStringList texts;
    for (const Message &message : shown)
        texts << message.text;
    return texts;
}

} // namespace

TEST_F(WindowTest, typed_area_of_50_gives_the_passenger_load_and_empties_the_entry)
{
    typeInto(text(5), "50");
    pressEnter();
    EXPECT_EQ(answersOf(*form), QStringList({ "50", "5002.5", "31" }));
    EXPECT_TRUE(text(5)->text().isEmpty());
    EXPECT_TRUE(hasFocus(text(5)));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(WindowTest, passenger_loads_and_counts_follow_the_typed_area)
{
    struct Case {
        const char *typed, *area, *load, *passengers;
    };
    for (const Case &c : { Case { "10", "10", "733.7", "4" },
             Case { "49.9", "49.9", "4989.167", "31" }, Case { "50.01", "50.01", "5001.046", "31" },
             Case { "100", "100", "11600", "72" }, Case { "0.1", "0.1", "6.67667", "0" },
             Case { "12.5ft", "12.5", "937.9688", "5" }, Case { "1,5", "1", "67.367", "0" } }) {
        typeInto(text(5), c.typed);
        pressEnter();
        EXPECT_EQ(answersOf(*form), QStringList({ c.area, c.load, c.passengers })) << c.typed;
    }
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(WindowTest, area_together_with_dimensions_is_reported_and_the_typed_area_is_used)
{
    typeInto(text(5), "50");
    pick(list("C1", 0), "10");
    pressEnter();
    const auto shown = takeMessages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].title, kCalculateTitle);
    EXPECT_EQ(shown[0].text, kBothWays);
    EXPECT_FALSE(shown[0].hasIcon);
    EXPECT_EQ(shown[0].buttonCount, 1);
    EXPECT_EQ(shown[0].face, QFontInfo(form->font()).family()); // a window of its own, one face
    EXPECT_EQ(listTexts(), kZeros);
    EXPECT_EQ(answersOf(*form), QStringList({ "50", "5002.5", "31" }));
    EXPECT_TRUE(text(5)->text().isEmpty());
    EXPECT_TRUE(hasFocus(text(5)));
}

TEST_F(WindowTest, freight_class_a_from_depth_and_width_keeps_the_lists)
{
    click(option(2));
    pick(list("C1", 0), "7");
    pick(list("C2", 0), "4");
    pick(list("C1", 1), "5");
    pick(list("C2", 1), "8");
    click(command(1));
    EXPECT_EQ(text(1)->text(), "41.55556");
    EXPECT_EQ(text(3)->text(), "2077.778");
    EXPECT_TRUE(text(4)->text().isEmpty());
    EXPECT_EQ(listTexts(), QStringList({ "7", "5", "4", "8", "0", "0", "0", "0" }));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(WindowTest, freight_loads_follow_the_class_and_the_truck_weight)
{
    struct Case {
        int classButton;
        const char *truck; // typed into the truck weight entry, when it is shown
        const char *area;
        const char *load;
    };
    for (const Case &c : { Case { 3, nullptr, "40", "2000" }, Case { 4, nullptr, "40", "1200" },
             Case { 7, nullptr, "40", "2000" }, Case { 5, "2500", "40", "2500" },
             Case { 6, "1500", "40", "2000" }, Case { 5, "2000", "40", "2000" },
             Case { 5, "1234.56789", "10", "1234.56789" }, Case { 5, "2,500", "40", "2000" },
             Case { 6, " ", "40", "2000" } }) {
        click(option(1));
        click(option(2));
        click(option(c.classButton));
        if (c.truck)
            typeKeys(c.truck); // the class put the focus into the truck weight entry
        typeInto(text(5), c.area);
        pressEnter();
        const QString label = QStringLiteral("Option%1 truck %2")
                                  .arg(c.classButton)
                                  .arg(QString::fromLatin1(c.truck ? c.truck : "none"));
        EXPECT_EQ(text(1)->text(), c.area) << qPrintable(label);
        EXPECT_EQ(text(3)->text(), c.load) << qPrintable(label);
        EXPECT_FALSE(text(4)->isVisible()) << qPrintable(label);
        EXPECT_TRUE(takeMessages().isEmpty()) << qPrintable(label);
    }
}

TEST_F(WindowTest, truck_class_without_a_truck_weight_asks_for_it_and_stops)
{
    click(option(2));
    click(option(5));
    typeInto(text(5), "40");
    pressEnter();
    const auto shown = takeMessages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].title, kCalculateTitle);
    EXPECT_EQ(shown[0].text, kNoTruckWeight);
    EXPECT_EQ(text(1)->text(), "40");
    EXPECT_TRUE(text(3)->text().isEmpty());
    EXPECT_TRUE(hasFocus(text(2)));
    EXPECT_EQ(text(5)->text(), "40");
}

TEST_F(WindowTest, freight_passenger_answered_yes_without_a_truck_weight_asks_for_it)
{
    click(option(8));
    click(option(9));
    typeInto(text(5), "10");
    pressEnter();
    EXPECT_EQ(textsOf(takeMessages()), QStringList({ kNoTruckWeight }));
    EXPECT_EQ(answersOf(*form), QStringList({ "10", "733.7", "" }));
    EXPECT_TRUE(hasFocus(text(2)));
    EXPECT_EQ(text(5)->text(), "10");
}

TEST_F(WindowTest, heavier_loaded_truck_governs_load_and_passenger_count)
{
    struct Case {
        const char *truck, *load, *passengers;
    };
    for (const Case &c : { Case { "3199.5", "3199.5", "20" }, Case { "3199.4", "3199.4", "19" },
             Case { "700", "733.7", "4" } }) {
        click(option(1));
        click(option(8));
        click(option(9));
        typeKeys(c.truck);
        typeInto(text(5), "10");
        pressEnter();
        EXPECT_EQ(answersOf(*form), QStringList({ "10", c.load, c.passengers })) << c.truck;
        EXPECT_TRUE(text(5)->text().isEmpty()) << c.truck;
    }
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(WindowTest, nothing_entered_gives_zeros_then_asks_for_the_area)
{
    click(command(1));
    EXPECT_EQ(answersOf(*form), QStringList({ "0", "0", "0" }));
    const auto shown = takeMessages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].title, kCalculateTitle);
    EXPECT_EQ(shown[0].text, kNoArea);
    EXPECT_FALSE(shown[0].hasIcon);
    EXPECT_EQ(shown[0].buttonCount, 1);
    EXPECT_TRUE(text(5)->text().isEmpty());
    EXPECT_TRUE(hasFocus(text(5)));
}

TEST_F(WindowTest, area_of_zero_asks_for_the_area_and_emptying_it_clears_the_zeros)
{
    typeInto(text(5), "0");
    pressEnter();
    EXPECT_EQ(textsOf(takeMessages()), QStringList({ kNoArea }));
    EXPECT_EQ(answersOf(*form), QStringList({ "", "", "" }));
    EXPECT_EQ(listTexts(), kZeros);
    EXPECT_TRUE(text(5)->text().isEmpty());
    EXPECT_TRUE(hasFocus(text(5)));
}

TEST_F(WindowTest, negative_area_with_depth_and_width_takes_the_dimensions_silently)
{
    typeInto(text(5), "-5");
    pick(list("C1", 0), "10");
    pick(list("C1", 1), "5");
    pressEnter();
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(answersOf(*form), QStringList({ "50", "5002.5", "31" }));
    EXPECT_EQ(listTexts(), QStringList({ "10", "5", "0", "0", "0", "0", "0", "0" }));
    EXPECT_TRUE(text(5)->text().isEmpty());
}

TEST_F(WindowTest, truck_weight_beyond_a_whole_number_count_ends_the_command_silently)
{
    click(option(8));
    click(option(9));
    typeKeys("3E9");
    typeInto(text(5), "10");
    pressEnter();
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(answersOf(*form), QStringList({ "10", "3000000000", "" }));
    EXPECT_EQ(text(5)->text(), "10");
    EXPECT_TRUE(hasFocus(text(5)));
}

TEST_F(WindowTest, area_beyond_single_precision_ends_the_command_silently)
{
    typeInto(text(5), "1E39");
    pressEnter();
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(answersOf(*form), QStringList({ "", "", "" }));
    EXPECT_EQ(text(5)->text(), "1E39");
}

TEST_F(WindowTest, typing_a_truck_weight_empties_the_answers_at_each_keystroke)
{
    click(option(2));
    click(option(5));
    typeKeys("2500");
    typeInto(text(5), "40");
    pressEnter();
    ASSERT_EQ(text(3)->text(), "2500");
    typeInto(text(2), "0");
    EXPECT_EQ(answersOf(*form), QStringList({ "", "", "" }));
    EXPECT_EQ(text(2)->text().size(), 5);
}

TEST_F(WindowTest, typing_an_area_empties_the_answers_and_resets_every_list)
{
    pick(list("C1", 0), "7");
    pick(list("C2", 0), "4");
    pick(list("C3", 0), ".500");
    pick(list("C1", 1), "5");
    pick(list("C2", 1), "8");
    pick(list("C3", 1), ".250");
    click(command(1));
    ASSERT_EQ(text(1)->text(), "41.94531");
    typeInto(text(5), "3");
    EXPECT_EQ(answersOf(*form), QStringList({ "", "", "" }));
    EXPECT_EQ(listTexts(), kZeros);
    EXPECT_EQ(text(5)->text(), "3");
}

// What the calculation did before the overflow stays done: the message and
// the lists set back, or the area written.
TEST_F(WindowTest, an_overflow_ends_the_calculation_where_it_stands)
{
    typeInto(text(5), "1E39");
    pick(list("C1", 0), "7");
    pressEnter();
    const auto shown = takeMessages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(
        shown[0].text, "Please enter the platform area or the depth and width ...but not both.");
    EXPECT_EQ(listTexts(), kZeros);
    EXPECT_EQ(answersOf(*form), QStringList({ "", "", "" }));
    EXPECT_EQ(text(5)->text(), "1E39");

    clearAndType(text(5), "1E20");
    pressEnter();
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(answersOf(*form), QStringList({ "1E+20", "", "" }));
    EXPECT_EQ(text(5)->text(), "1E20");
}

TEST_F(WindowTest, an_overflowing_sum_of_the_lists_ends_the_calculation_silently)
{
    choose(menu("mnuMetric"));
    typeInto(list("C4", 0), "1E39");
    pressEnter();
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(text(1)->text(), "");
    EXPECT_EQ(text(3)->text(), "");
}
