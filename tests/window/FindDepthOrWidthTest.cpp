// SPDX-License-Identifier: MIT
#include "tests/window/WindowFixture.h"

#include <QTest>

#include <utility>
#include <vector>

// The missing side: with the maximum area in Text1, one side given in the
// depth or width row gives the other side in its own row.

namespace {

const QString kSidePrompt = QStringLiteral("      Please enter the depth or the width.");
const QString kOneSideImperial = QStringLiteral("        Please enter only one dimension.");
const QString kOneSideMetric = QStringLiteral("        Please enter only one dimension");
const QStringList kAllZero { "0", "0", "0", "0", "0", "0", "0", "0" };

class FindDepthOrWidthTest : public WindowTest {
protected:
    // Rated load typed and calculated in the maximum-platform-area mode; the
    // window then asks for a side.
    void findAreaFor(const QString &ratedLoad, const std::vector<int> &options = {})
    {
        choose(menu("mnuMPA"));
        for (int n : options)
            click(option(n));
        typeInto(text(5), ratedLoad);
        click(command(1));
        const QList<Message> shown = takeMessages();
        ASSERT_EQ(shown.size(), 1);
        ASSERT_EQ(shown[0].text, kSidePrompt);
    }

    // Selects what the list shows and types over it.
    void retype(QComboBox *member, const QString &keys)
    {
        click(member);
        pressKey(Qt::Key_End);
        pressKey(Qt::Key_Home, Qt::ShiftModifier);
        typeKeys(keys);
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

} // namespace

TEST_F(FindDepthOrWidthTest, entering_any_list_after_a_found_side_starts_the_next_question)
{
    findAreaFor("2500"); // Passenger: 29.0451 sq ft
    EXPECT_TRUE(hasFocus(list("C1", 0)));
    for (const char *name : { "C2_1", "C1_0", "C1_1", "C2_0", "C3_0", "C3_1" }) {
        SCOPED_TRACE(name);
        pick(list("C1", 1), "5");
        click(command(1)); // the area stands: straight to the side search
        EXPECT_EQ(listTexts(), QStringList({ "5", "5", "9", "0", "0.7082", "0", "0", "0" }));
        ASSERT_TRUE(form->isDimensionFound());

        click(find<QComboBox>(name));
        EXPECT_EQ(listTexts(), kAllZero);
        EXPECT_FALSE(form->isDimensionFound());
        EXPECT_TRUE(hasFocus(list("C1", 0)));
        EXPECT_EQ(text(1)->text(), "29.0451");
        EXPECT_EQ(text(4)->text(), "15");
    }

    // Once cleared, entering lists is ordinary entry again.
    pick(list("C1", 1), "6");
    click(list("C3", 0));
    EXPECT_EQ(listTexts(), QStringList({ "0", "6", "0", "0", "0", "0", "0", "0" }));
    EXPECT_TRUE(hasFocus(list("C3", 0)));
    EXPECT_TRUE(takeMessages().isEmpty());
}

namespace {

struct SideCase {
    const char *name;
    bool metric;
    std::vector<int> options;
    const char *load;
    const char *area;
    std::vector<std::pair<const char *, const char *>> picks; // list, item
    QStringList lists; // C1_0 C1_1 C2_0 C2_1 C3_0 C3_1 C4_0 C4_1
};

void PrintTo(const SideCase &sideCase, std::ostream *out)
{
    *out << sideCase.name;
}

class SideFromArea : public FindDepthOrWidthTest,
                     public ::testing::WithParamInterface<SideCase> { };

const SideCase kSideCases[] = {
    { "area_100_depth_10_ft_gives_width_10_ft", false, { 2 }, "5000", "100", { { "C1_0", "10" } },
        { "10", "10", "0", "0", "0", "0", "0", "0" } },
    { "area_100_width_9_ft_gives_depth_11_ft_1_in_and_a_third", false, { 2 }, "5000", "100",
        { { "C1_1", "9" } }, { "11", "9", "1", "0", "0.3333", "0", "0", "0" } },
    { "area_24_5_depth_4_ft_3_5_in_gives_width_5_ft_8_in", false, { 2 }, "1225", "24.5",
        { { "C1_0", "4" }, { "C2_0", "3" }, { "C3_0", ".500" } },
        { "4", "5", "3", "8", ".500", "0.5049", "0", "0" } },
    { "area_50_width_7_ft_6_in_carries_the_fraction_into_the_inches", false, { 2 }, "2500", "50",
        { { "C1_1", "7" }, { "C2_1", "6" } }, { "6", "7", "8", "6", "0", "0", "0", "0" } },
    { "area_174_9999_width_25_ft_carries_the_inches_into_the_feet", false, { 2 }, "8749.995",
        "174.9999", { { "C1_1", "25" } }, { "7", "25", "0", "0", "0", "0", "0", "0" } },
    { "metric_area_10_depth_3_m_gives_width_3_m_333_mm", true, { 2 }, "2440", "10",
        { { "C1_0", "3" } }, { "3", "3", "0", "0", "0", "0", "0", "333.3333" } },
    { "metric_area_2_5_width_1_m_600_mm_gives_depth_1_m_562_mm", true, { 2 }, "610", "2.5",
        { { "C1_1", "1" }, { "C4_1", "600" } }, { "1", "1", "0", "0", "0", "0", "562.5", "600" } },
};

} // namespace

TEST_P(SideFromArea, writes_the_found_side_into_its_row)
{
    const SideCase &c = GetParam();
    if (c.metric)
        pressKey(Qt::Key_M, Qt::ControlModifier);
    findAreaFor(QString::fromLatin1(c.load), c.options);
    ASSERT_EQ(text(1)->text(), c.area);

    for (const auto &[name, item] : c.picks)
        pick(find<QComboBox>(name), QString::fromLatin1(item));
    click(command(1));
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(listTexts(), c.lists);
    EXPECT_TRUE(form->isDimensionFound());
    EXPECT_EQ(text(1)->text(), c.area);
}

INSTANTIATE_TEST_SUITE_P(Sides, SideFromArea, ::testing::ValuesIn(kSideCases),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(FindDepthOrWidthTest, a_negative_depth_beside_a_width_is_the_side_found)
{
    findAreaFor("5000", { 2 }); // class A: 100 sq ft
    retype(list("C1", 0), "-3");
    pick(list("C1", 1), "10");
    click(command(1));
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(listTexts(), QStringList({ "10", "10", "0", "0", "0", "0", "0", "0" }));
    EXPECT_TRUE(form->isDimensionFound());
}

TEST_F(FindDepthOrWidthTest, both_sides_given_in_imperial_units_resets_every_list)
{
    findAreaFor("2500");
    pick(list("C1", 0), "10");
    pick(list("C1", 1), "9");
    pick(list("C3", 1), ".250");
    click(command(1));
    expectOnlyMessage(kOneSideImperial);
    EXPECT_EQ(listTexts(), kAllZero);
    EXPECT_FALSE(form->isDimensionFound());
    EXPECT_TRUE(hasFocus(command(1)));
    EXPECT_EQ(text(1)->text(), "29.0451");
}

TEST_F(FindDepthOrWidthTest, both_sides_given_in_metric_units_keeps_the_entries)
{
    pressKey(Qt::Key_M, Qt::ControlModifier);
    findAreaFor("1000");
    pick(list("C1", 0), "2");
    pick(list("C1", 1), "1");
    pick(list("C4", 1), "350");
    click(command(1));
    expectOnlyMessage(kOneSideMetric);
    EXPECT_EQ(listTexts(), QStringList({ "2", "1", "0", "0", "0", "0", "0", "350" }));
    EXPECT_FALSE(form->isDimensionFound());
}

TEST_F(FindDepthOrWidthTest, no_side_given_asks_for_one_in_the_depth_row)
{
    pressKey(Qt::Key_M, Qt::ControlModifier);
    findAreaFor("1000");
    click(text(5));
    click(command(1));
    expectOnlyMessage(kSidePrompt);
    EXPECT_TRUE(hasFocus(list("C1", 0)));
    EXPECT_EQ(listTexts(), kAllZero);
}

TEST_F(FindDepthOrWidthTest, a_zero_depth_beside_a_negative_width_ends_silently)
{
    findAreaFor("2500");
    retype(list("C1", 1), "-3");
    click(command(1));
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(listTexts(), QStringList({ "0", "-3", "0", "0", "0", "0", "0", "0" }));
    EXPECT_FALSE(form->isDimensionFound());
}

TEST_F(FindDepthOrWidthTest, calculate_after_a_found_side_sees_two_sides)
{
    findAreaFor("2500");
    pick(list("C1", 1), "5");
    click(command(1));
    ASSERT_TRUE(form->isDimensionFound());

    click(command(1));
    expectOnlyMessage(kOneSideImperial);
    EXPECT_EQ(listTexts(), kAllZero);
    EXPECT_TRUE(form->isDimensionFound());

    click(list("C2", 0));
    EXPECT_FALSE(form->isDimensionFound());
    EXPECT_TRUE(hasFocus(list("C1", 0)));
}

TEST_F(FindDepthOrWidthTest, a_found_side_survives_changes_of_mode_and_units)
{
    findAreaFor("2500");
    pick(list("C1", 1), "5");
    click(command(1));
    ASSERT_TRUE(form->isDimensionFound());

    pressKey(Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(form->isDimensionFound());
    // Entering lists while finding the minimum rated load never clears them.
    pick(list("C1", 0), "7");
    click(list("C1", 1));
    EXPECT_EQ(list("C1", 0)->currentText(), "7");
    EXPECT_TRUE(hasFocus(list("C1", 1)));
    EXPECT_TRUE(form->isDimensionFound());

    pressKey(Qt::Key_A, Qt::ControlModifier);
    pressKey(Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(form->isDimensionFound());
    click(list("C4", 1));
    EXPECT_FALSE(form->isDimensionFound());
    EXPECT_TRUE(hasFocus(list("C1", 0)));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(FindDepthOrWidthTest, the_whole_round_works_from_the_keyboard)
{
    pressKey(Qt::Key_A, Qt::ControlModifier);
    typeKeys("2500");
    pressEnter();
    expectOnlyMessage(kSidePrompt);
    ASSERT_TRUE(hasFocus(list("C1", 0)));

    typeKeys("5"); // after the "0" the list shows: the depth reads 5 ft
    pressEnter();
    EXPECT_TRUE(takeMessages().isEmpty());
    // The given depth keeps its text as typed; the width is found.
    EXPECT_EQ(listTexts(), QStringList({ "05", "5", "0", "9", "0", "0.7082", "0", "0" }));
    EXPECT_TRUE(form->isDimensionFound());
}

TEST_F(FindDepthOrWidthTest, a_found_side_beyond_the_range_of_the_lists_ends_silently)
{
    findAreaFor("1E300", { 2 }); // class A: an area of 2E+298 sq ft
    pick(list("C1", 1), "1");
    click(command(1));
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(listTexts(), QStringList({ "0", "1", "0", "0", "0", "0", "0", "0" }));
    EXPECT_FALSE(form->isDimensionFound());
}
