// SPDX-License-Identifier: MIT
// The ways the toolkit lets a person change an entry or a list besides
// typing and picking: the keys of a closed list, the wheel, the clipboard,
// dropped text, and the keys of the option buttons.

#include "tests/window/WindowFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

TEST_F(WindowTest, a_list_reset_from_code_goes_on_from_the_item_it_shows)
{
    QComboBox *feet = list("C1", 0);
    pick(feet, "10");
    QSignalSpy changes(feet, &QComboBox::editTextChanged);
    QSignalSpy clicks(feet, &QComboBox::activated);
    typeInto(text(5), "5"); // the lists are reset to "0"
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(feet->currentIndex(), 0);

    click(feet);
    pressKey(Qt::Key_Down);
    EXPECT_EQ(feet->currentText(), "1");
    pressKey(Qt::Key_F4);
    ASSERT_TRUE(feet->view()->isVisible());
    EXPECT_EQ(feet->view()->currentIndex().row(), 1); // "1" highlighted, not "11"
    QTest::keyClick(feet->view(), Qt::Key_Escape);
    settle();
}

TEST_F(WindowTest, a_typed_text_that_is_no_item_leaves_the_list_on_no_item)
{
    QComboBox *inches = list("C2", 1);
    pick(inches, "5");
    pressKey(Qt::Key_End);
    typeKeys(".5");
    pressKey(Qt::Key_Up); // no item before none
    EXPECT_EQ(inches->currentText(), "5.5");
    EXPECT_EQ(inches->lineEdit()->cursorPosition(), 3);
    pressKey(Qt::Key_Down);
    EXPECT_EQ(inches->currentText(), "0");
}

TEST_F(WindowTest, a_pasted_item_becomes_the_current_item)
{
    QComboBox *feet = list("C1", 1);
    pick(feet, "20");
    QApplication::clipboard()->setText(QStringLiteral("7"));
    pressKey(Qt::Key_End);
    pressKey(Qt::Key_Home, Qt::ShiftModifier);
    pressKey(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(feet->currentText(), "7");
    pressKey(Qt::Key_Down);
    EXPECT_EQ(feet->currentText(), "8");
}

TEST_F(WindowTest, the_wheel_turns_only_the_list_that_holds_the_focus)
{
    choose(menu("mnuMPA"));
    typeInto(text(5), "5000");
    pick(list("C1", 0), "10");
    click(command(1));
    ASSERT_EQ(listTexts(), QStringList({ "10", "4", "0", "11", "0", "0.9776", "0", "0" }));
    ASSERT_TRUE(form->isDimensionFound());
    click(text(5));

    turnWheel(list("C1", 1), 1);
    EXPECT_EQ(list("C1", 1)->currentText(), "4");
    EXPECT_TRUE(form->isDimensionFound());
    EXPECT_TRUE(hasFocus(text(5)));

    click(list("C1", 1)); // entering a list clears the rows for the next question
    ASSERT_FALSE(form->isDimensionFound());
    ASSERT_TRUE(hasFocus(list("C1", 0)));
    turnWheel(list("C1", 0), 2);
    EXPECT_EQ(list("C1", 0)->currentText(), "2");
}

TEST_F(WindowTest, no_entry_takes_text_dropped_on_it)
{
    QList<QWidget *> entries { text(5), text(2) };
    for (const char *array : { "C1", "C2", "C3", "C4" })
        for (int row = 0; row < 2; ++row)
            entries << list(array, row)->lineEdit();
    for (QWidget *entry : entries) {
        for (QWidget *widget = entry; widget; widget = widget->parentWidget())
            EXPECT_FALSE(widget->acceptDrops()) << qPrintable(widget->objectName()) << " in "
                                                << qPrintable(entry->parentWidget()->objectName());
    }
}

TEST_F(WindowTest, shift_with_an_arrow_key_on_an_option_leaves_the_focus_where_its_handler_put_it)
{
    click(option(1));
    ASSERT_TRUE(hasFocus(option(1)));
    pressKey(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_TRUE(option(2)->isChecked());
    EXPECT_TRUE(option(3)->isChecked());
    EXPECT_TRUE(hasFocus(text(5)));
}
