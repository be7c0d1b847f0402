// SPDX-License-Identifier: MIT
#include "tests/window/WindowFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>

namespace {

// Presses Tab until the control holds the focus, as a person moving there
// without the mouse would.
bool tabTo(QWidget *control)
{
    for (int i = 0; i < 40; ++i) {
        QWidget *now = QApplication::focusWidget();
        if (now == control || (now && now->parentWidget() == control))
            return true;
        QTest::keyClick(now, Qt::Key_Tab);
    }
    return false;
}

} // namespace

TEST_F(WindowTest, enter_in_a_dimension_list_calculates_and_adds_no_item)
{
    pick(list("C1", 0), "10");
    pick(list("C1", 1), "5");
    click(list("C2", 1));
    pressKey(Qt::Key_End);
    pressKey(Qt::Key_Backspace);
    typeKeys("7.5");
    const int items = list("C2", 1)->count();
    pressEnter();
    EXPECT_EQ(text(1)->text(), "56.25"); // 120 in by 67.5 in
    EXPECT_EQ(list("C2", 1)->count(), items);
    EXPECT_EQ(list("C2", 1)->currentText(), "7.5");
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(WindowTest, enter_on_an_option_button_calculates)
{
    typeInto(text(5), "10");
    ASSERT_TRUE(tabTo(option(1)));
    pressEnter();
    EXPECT_EQ(answersOf(*form), QStringList({ "10", "733.7", "4" }));
    EXPECT_TRUE(option(1)->isChecked());
}

TEST_F(WindowTest, keypad_enter_calculates_as_well)
{
    typeInto(text(5), "20");
    pressKey(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(answersOf(*form), QStringList({ "20", "1600.8", "10" }));
}

TEST_F(WindowTest, enter_on_a_focused_push_button_presses_that_button)
{
    typeInto(text(5), "50");
    pressEnter();
    ASSERT_EQ(text(3)->text(), "5002.5");
    ASSERT_TRUE(tabTo(command(2)));
    pressEnter();
    // Clear Answers, not Calculate: Calculate would now find nothing entered
    // and write zeros with a message.
    EXPECT_EQ(answersOf(*form), QStringList({ "", "", "" }));
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_TRUE(hasFocus(text(5)));
}

TEST_F(WindowTest, escape_closes_the_window_from_an_entry)
{
    typeInto(text(5), "12");
    pressEscape();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(WindowTest, escape_closes_the_window_from_a_list)
{
    click(list("C2", 1));
    pressEscape();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(WindowTest, escape_closes_the_window_from_an_option_button)
{
    ASSERT_TRUE(tabTo(option(1)));
    pressEscape();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(WindowTest, a_point_typed_into_the_fraction_list_stays_a_point)
{
    click(list("C3", 0));
    pressKey(Qt::Key_End);
    pressKey(Qt::Key_Backspace);
    typeKeys(".");
    EXPECT_EQ(list("C3", 0)->currentText(), ".");
    typeKeys("5");
    EXPECT_EQ(list("C3", 0)->currentText(), ".5");
}

TEST_F(WindowTest, ctrl_a_in_the_area_entry_switches_mode_instead_of_selecting_and_ctrl_l_returns)
{
    typeInto(text(5), "25");
    pressKey(Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(form->isRatedLoadMode());
    EXPECT_TRUE(menu("mnuMPA")->isChecked());
    EXPECT_FALSE(menu("mnuMRL")->isChecked());
    EXPECT_TRUE(form->windowTitle().startsWith(" Imperial - Maximum Platform Area - Vostrelle"));
    EXPECT_TRUE(hasFocus(text(5)));
    pressKey(Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(form->isRatedLoadMode());
    EXPECT_TRUE(menu("mnuMRL")->isChecked());
    EXPECT_FALSE(menu("mnuMPA")->isChecked());
    EXPECT_TRUE(form->windowTitle().startsWith(" Imperial - Minimum Rated Load - Vostrelle"));
}

TEST_F(WindowTest, alt_f_chooses_freight)
{
    pressKey(Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return option(2)->isChecked(); }, 2000));
    settle();
    EXPECT_TRUE(option(3)->isChecked());
    EXPECT_TRUE(option(3)->isEnabled());
    EXPECT_FALSE(text(4)->isVisible());
    EXPECT_TRUE(hasFocus(text(5)));
}

TEST_F(WindowTest, choosing_freight_with_an_arrow_key_leaves_the_focus_in_the_area_entry)
{
    ASSERT_TRUE(tabTo(option(1)));
    pressKey(Qt::Key_Down);
    ASSERT_TRUE(option(2)->isChecked());
    EXPECT_TRUE(option(3)->isChecked());
    EXPECT_TRUE(hasFocus(text(5))) << "focus on " << qPrintable(focused()->objectName());
}

TEST_F(WindowTest, answers_stay_after_enter_in_a_list_whose_typed_text_matches_an_item)
{
    // Tab into the depth feet, type 10, Tab on to the width feet, type 5,
    // Enter: the focus goes back to Text5 and the answers must stay.
    click(text(5));
    pressKey(Qt::Key_Tab);
    ASSERT_TRUE(hasFocus(list("C1", 0)));
    pressKey(Qt::Key_End);
    pressKey(Qt::Key_Backspace);
    typeKeys("10");
    ASSERT_TRUE(tabTo(list("C1", 1)));
    pressKey(Qt::Key_End);
    pressKey(Qt::Key_Backspace);
    typeKeys("5");
    pressEnter();
    EXPECT_TRUE(hasFocus(text(5)));
    EXPECT_EQ(answersOf(*form), QStringList({ "50", "5002.5", "31" }));
}

TEST_F(WindowTest, visiting_a_list_without_editing_it_keeps_the_answers)
{
    pick(list("C1", 0), "10");
    pick(list("C1", 1), "5");
    click(command(1));
    typeInto(text(5), "40");
    pressEnter(); // the lists now read "0", their last picked items are 10 and 5
    ASSERT_EQ(answersOf(*form), QStringList({ "40", "3735.2", "23" }));
    click(list("C1", 1));
    click(text(5));
    EXPECT_EQ(answersOf(*form), QStringList({ "40", "3735.2", "23" }));
}

TEST_F(WindowTest, esc_in_an_open_drop_down_closes_the_list_not_the_window)
{
    click(list("C1", 0));
    list("C1", 0)->showPopup();
    QWidget *popup = list("C1", 0)->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup->window()));
    QTest::keyClick(popup, Qt::Key_Escape);
    settle();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(WindowTest, enter_in_an_open_drop_down_picks_the_item_without_calculating)
{
    click(list("C1", 0));
    list("C1", 0)->showPopup();
    QWidget *popup = list("C1", 0)->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup->window()));
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    settle();
    EXPECT_EQ(list("C1", 0)->currentText(), "2");
    EXPECT_EQ(answersOf(*form), QStringList({ "", "", "" }));
    EXPECT_TRUE(takeMessages().isEmpty());
}
