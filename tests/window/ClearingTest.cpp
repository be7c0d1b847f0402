// SPDX-License-Identifier: MIT
#include "tests/window/WindowFixture.h"

#include <QAbstractItemView>
#include <QTest>

namespace {

const QStringList kNoAnswers { "", "", "" };
const QStringList kZeros { "0", "0", "0", "0", "0", "0", "0", "0" };

} // namespace

TEST_F(WindowTest, leaving_a_list_without_a_number_rewrites_it_as_zero)
{
    struct Case {
        const char *array;
        int row;
        const char *typed;
        const char *left;
    };
    for (const Case &c : { Case { "C1", 0, "", "0" }, Case { "C2", 0, "abc", "0" },
             Case { "C3", 0, "0.000", "0" }, Case { "C1", 1, "-0", "0" },
             Case { "C2", 1, ".5", ".5" }, Case { "C3", 1, "12abc", "12abc" },
             Case { "C2", 0, " 3", " 3" }, Case { "C1", 0, "-2", "-2" } }) {
        QComboBox *member = list(c.array, c.row);
        click(member);
        pressKey(Qt::Key_End);
        pressKey(Qt::Key_Home, Qt::ShiftModifier);
        pressKey(Qt::Key_Delete);
        typeKeys(QString::fromLatin1(c.typed));
        ASSERT_EQ(member->currentText(), QString::fromLatin1(c.typed));
        pressKey(Qt::Key_Tab);
        EXPECT_EQ(member->currentText(), QString::fromLatin1(c.left))
            << c.array << "_" << c.row << " typed [" << c.typed << "]";
    }
}

TEST_F(WindowTest, one_character_typed_into_any_list_empties_the_answers)
{
    for (const char *array : { "C1", "C2", "C3" }) {
        for (int row = 0; row < 2; ++row) {
            typeInto(text(5), "10");
            pressEnter();
            ASSERT_EQ(answersOf(*form), QStringList({ "10", "733.7", "4" }));
            click(list(array, row));
            EXPECT_EQ(answersOf(*form), QStringList({ "10", "733.7", "4" }))
                << "entering " << array << "_" << row;
            pressKey(Qt::Key_End);
            typeKeys("1");
            EXPECT_EQ(answersOf(*form), kNoAnswers) << array << "_" << row;
        }
    }
}

TEST_F(WindowTest, one_character_typed_into_a_millimetre_list_empties_the_answers)
{
    choose(menu("mnuMetric"));
    for (int row = 0; row < 2; ++row) {
        typeInto(text(5), "4.65");
        pressEnter();
        ASSERT_EQ(answersOf(*form), QStringList({ "4.65", "2268.038", "31" }));
        click(list("C4", row));
        pressKey(Qt::Key_End);
        typeKeys("1");
        EXPECT_EQ(answersOf(*form), kNoAnswers) << "C4_" << row;
    }
}

TEST_F(WindowTest, picking_an_item_empties_the_answers_even_the_item_on_show)
{
    typeInto(text(5), "10");
    pressEnter();
    pick(list("C2", 1), "0"); // the text does not change
    EXPECT_EQ(answersOf(*form), kNoAnswers);
    EXPECT_EQ(list("C2", 1)->currentText(), "0");

    typeInto(text(5), "10");
    pressEnter();
    pick(list("C1", 0), "3");
    EXPECT_EQ(answersOf(*form), kNoAnswers);
}

TEST_F(WindowTest, clear_answers_leaves_every_entry)
{
    click(option(2));
    click(option(5));
    typeKeys("2500");
    pick(list("C1", 0), "7");
    pick(list("C2", 0), "4");
    pick(list("C1", 1), "5");
    pick(list("C2", 1), "8");
    click(command(1));
    ASSERT_EQ(text(3)->text(), "2500");
    click(command(2));
    EXPECT_EQ(answersOf(*form), kNoAnswers);
    EXPECT_EQ(text(2)->text(), "2500");
    EXPECT_EQ(listTexts(), QStringList({ "7", "5", "4", "8", "0", "0", "0", "0" }));
    EXPECT_TRUE(hasFocus(text(5)));

    typeInto(text(5), "-5");
    click(command(2));
    EXPECT_EQ(text(5)->text(), "-5");
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(WindowTest, reset_all_empties_every_box_and_list_but_keeps_the_choices)
{
    click(option(2));
    click(option(6));
    typeKeys("2500");
    pick(list("C1", 0), "7");
    pick(list("C3", 0), ".500");
    pick(list("C1", 1), "5");
    pick(list("C2", 1), "8");
    click(command(1));
    ASSERT_FALSE(text(1)->text().isEmpty());
    click(command(4));
    EXPECT_EQ(listTexts(), kZeros);
    for (int n = 1; n <= 5; ++n)
        EXPECT_TRUE(text(n)->text().isEmpty()) << "Text" << n;
    EXPECT_TRUE(hasFocus(text(5)));
    EXPECT_TRUE(option(2)->isChecked());
    EXPECT_TRUE(option(6)->isChecked());
    EXPECT_TRUE(text(2)->isVisible());
    EXPECT_TRUE(form->isImperialUnits());
    EXPECT_TRUE(form->isRatedLoadMode());

    typeInto(text(5), "12");
    click(command(4));
    EXPECT_TRUE(text(5)->text().isEmpty());
}

// A message box or a list's own drop-down takes the focus from a list and
// gives it back; that is no leaving or entering of the list. Here a found
// side is on show while the focus stays in the width row: entering that list
// would clear the found side, a message box or the drop-down must not.
class FocusComingBackTest : public WindowTest {
protected:
    void findTheDepthFromTheWidth()
    {
        pressKey(Qt::Key_A, Qt::ControlModifier);
        typeInto(text(5), "2500");
        click(list("C1", 1));
        pressKey(Qt::Key_End);
        pressKey(Qt::Key_Backspace);
        typeKeys("5");
        pressEnter();
        ASSERT_TRUE(form->isDimensionFound());
        ASSERT_TRUE(takeMessages().isEmpty());
        ASSERT_TRUE(hasFocus(list("C1", 1)));
    }
};

TEST_F(FocusComingBackTest, after_a_message_box_is_no_entering_of_a_list)
{
    findTheDepthFromTheWidth();
    pressEnter(); // both sides now given
    const auto shown = takeMessages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "        Please enter only one dimension.");
    EXPECT_TRUE(form->isDimensionFound());
    EXPECT_TRUE(hasFocus(list("C1", 1)));
}

TEST_F(FocusComingBackTest, from_the_drop_down_is_no_entering_of_the_list)
{
    findTheDepthFromTheWidth();
    const QStringList found = listTexts();
    pressKey(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(list("C1", 1)->view()->isVisible());
    pressEscape();
    ASSERT_FALSE(list("C1", 1)->view()->isVisible());
    EXPECT_TRUE(form->isDimensionFound());
    EXPECT_EQ(listTexts(), found);
    EXPECT_TRUE(hasFocus(list("C1", 1)));
}
