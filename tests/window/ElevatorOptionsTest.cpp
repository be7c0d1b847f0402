// SPDX-License-Identifier: MIT
#include "tests/window/WindowFixture.h"

#include <QApplication>
#include <QTest>

namespace {

// What the option groups show after a choice.
struct OptionState {
    bool classesEnabled;
    int selectedClass; // 3 to 7, or 0 for none
    bool questionShown;
    bool truckRowShown;
    bool passengersShown;
    const char *focus;
};

void expectState(const MainForm &form, const OptionState &expected)
{
    auto control = [&form](const QString &name) { return form.findChild<QWidget *>(name); };
    auto button = [&form](int n) {
        return form.findChild<QRadioButton *>(QStringLiteral("Option%1").arg(n));
    };
    for (int n = 3; n <= 7; ++n) {
        EXPECT_EQ(button(n)->isEnabled(), expected.classesEnabled) << "Option" << n;
        EXPECT_EQ(button(n)->isChecked(), n == expected.selectedClass) << "Option" << n;
    }
    EXPECT_EQ(control("Label2")->isVisible(), expected.questionShown);
    EXPECT_EQ(button(9)->isVisible(), expected.questionShown);
    EXPECT_EQ(button(10)->isVisible(), expected.questionShown);
    if (!expected.questionShown) {
        EXPECT_TRUE(button(10)->isChecked());
    }

    const auto *truckWeight = form.findChild<QLineEdit *>(QStringLiteral("Text2"));
    const auto *caption = form.findChild<QLabel *>(QStringLiteral("Label4"));
    const auto *unit = form.findChild<QLabel *>(QStringLiteral("Label5"));
    EXPECT_TRUE(truckWeight->text().isEmpty());
    EXPECT_EQ(truckWeight->isVisible(), expected.truckRowShown);
    EXPECT_EQ(unit->isVisible(), expected.truckRowShown);
    if (expected.truckRowShown) {
        EXPECT_TRUE(caption->isVisible());
        EXPECT_EQ(caption->text(), "Weight of the loaded truck:");
        EXPECT_EQ(unit->text(), "Pounds");
    } else {
        EXPECT_TRUE(!caption->isVisible() || caption->text().isEmpty());
    }

    EXPECT_EQ(control("LabelPass")->isEnabled(), expected.passengersShown);
    EXPECT_EQ(control("Text4")->isVisible(), expected.passengersShown);
    const QWidget *focus = QApplication::focusWidget();
    EXPECT_EQ(focus ? focus->objectName() : QString(), QString::fromLatin1(expected.focus));
}

} // namespace

TEST_F(WindowTest, passenger_with_the_mouse_clears_the_truck_question_and_classes)
{
    click(option(8));
    click(option(9));
    typeKeys("900");
    typeInto(text(5), "10");
    pressEnter();
    ASSERT_EQ(text(3)->text(), "900");
    click(option(1));
    expectState(*form, { false, 0, false, false, true, "Text5" });
    EXPECT_EQ(answersOf(*form), QStringList({ "", "", "" }));
}

TEST_F(WindowTest, freight_enables_the_classes_with_class_a_and_drops_the_passengers)
{
    typeInto(text(5), "10");
    pressEnter();
    click(option(2));
    expectState(*form, { true, 3, false, false, false, "Text5" });
    EXPECT_EQ(answersOf(*form), QStringList({ "", "", "" }));
}

TEST_F(WindowTest, freight_passenger_asks_about_a_loaded_truck)
{
    click(option(2));
    click(option(5));
    typeKeys("2500");
    typeInto(text(5), "40");
    pressEnter();
    ASSERT_EQ(text(3)->text(), "2500");
    click(option(8));
    expectState(*form, { false, 0, true, false, true, "Text5" });
    EXPECT_TRUE(option(10)->isChecked());
    EXPECT_EQ(answersOf(*form), QStringList({ "", "", "" }));
}

TEST_F(WindowTest, plain_classes_hide_the_truck_weight)
{
    for (int plain : { 3, 4, 7 }) {
        click(option(1));
        click(option(2));
        click(option(5));
        typeKeys("2500");
        typeInto(text(5), "40");
        pressEnter();
        ASSERT_EQ(text(3)->text(), "2500");
        click(option(plain));
        SCOPED_TRACE(plain);
        expectState(*form, { true, plain, false, false, false, "Text5" });
        EXPECT_EQ(answersOf(*form), QStringList({ "", "", "" }));
    }
}

TEST_F(WindowTest, truck_classes_ask_for_the_truck_weight)
{
    for (int truck : { 5, 6 }) {
        click(option(1));
        click(option(2));
        typeInto(text(5), "40");
        pressEnter();
        ASSERT_EQ(text(3)->text(), "2000");
        click(option(truck));
        SCOPED_TRACE(truck);
        expectState(*form, { true, truck, false, true, false, "Text2" });
        EXPECT_EQ(answersOf(*form), QStringList({ "", "", "" }));
    }
}

TEST_F(WindowTest, yes_shows_the_truck_weight_and_leaves_answers_when_nothing_was_typed)
{
    click(option(8));
    typeInto(text(5), "10");
    pressEnter();
    click(option(9));
    expectState(*form, { false, 0, true, true, true, "Text2" });
    // Yes empties only the truck weight, which was empty already.
    EXPECT_EQ(answersOf(*form), QStringList({ "10", "733.7", "4" }));
}

TEST_F(WindowTest, no_after_a_typed_truck_weight_empties_it_and_the_answers)
{
    click(option(8));
    click(option(9));
    typeKeys("3199.5");
    typeInto(text(5), "10");
    pressEnter();
    ASSERT_EQ(answersOf(*form), QStringList({ "10", "3199.5", "20" }));
    click(option(10));
    expectState(*form, { false, 0, true, false, true, "Text5" });
    EXPECT_EQ(answersOf(*form), QStringList({ "", "", "" }));
}

TEST_F(WindowTest, passenger_from_the_keyboard_keeps_the_truck_question)
{
    click(option(8));
    pressKey(Qt::Key_P, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return option(1)->isChecked(); }, 2000));
    settle();
    expectState(*form, { false, 0, true, false, true, "Text5" });
}

TEST_F(WindowTest, freight_passenger_with_yes_still_chosen_shows_yes_without_the_truck_row)
{
    click(option(8));
    click(option(9));
    typeKeys("500");
    pressKey(Qt::Key_P, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return option(1)->isChecked(); }, 2000));
    settle();
    click(option(8));
    expectState(*form, { false, 0, true, false, true, "Text5" });
    EXPECT_TRUE(option(9)->isChecked());
    EXPECT_FALSE(option(10)->isChecked());
}

TEST_F(WindowTest, c2_after_c1_empties_the_truck_weight_and_asks_again)
{
    click(option(2));
    click(option(5));
    typeKeys("2500");
    click(text(5));
    click(option(6));
    expectState(*form, { true, 6, false, true, false, "Text2" });
}

TEST_F(WindowTest, passenger_leaves_no_class_selected_and_freight_selects_class_a_again)
{
    click(option(2));
    click(option(4));
    click(option(1));
    expectState(*form, { false, 0, false, false, true, "Text5" });
    click(option(2));
    expectState(*form, { true, 3, false, false, false, "Text5" });
}
