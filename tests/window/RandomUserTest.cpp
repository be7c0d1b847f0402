// SPDX-License-Identifier: MIT
// A random user: a long, seeded, reproducible run of random actions on the
// real window, checking after each action what must always hold. On a
// failure it prints the seed and the shortest sequence of actions it can find
// that still fails.
//
//   RATEDLOAD_RANDOM_SEED     first seed (default 1)
//   RATEDLOAD_RANDOM_SEEDS    how many seeds in a row (default 4)
//   RATEDLOAD_RANDOM_ACTIONS  actions per seed (default 1000)

#include "tests/window/WindowFixture.h"
#include "tests/window/WindowTestMain.h"

#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

namespace rules = ratedload::rules;

enum class Kind { Type, Pick, ClickOption, ClickCommand, Menu, Shortcut, Enter, Tab };

struct Action {
    Kind kind;
    QString target; // object name
    QString text; // typed text
    int key = 0; // shortcut letter, or the item picked
};

QString Describe(const Action &action)
{
    switch (action.kind) {
    case Kind::Type:
        return QStringLiteral("type '%1' into %2").arg(action.text, action.target);
    case Kind::Pick:
        return QStringLiteral("pick item %1 of %2").arg(action.key).arg(action.target);
    case Kind::ClickOption:
    case Kind::ClickCommand:
        return QStringLiteral("click %1").arg(action.target);
    case Kind::Menu:
        return QStringLiteral("choose %1").arg(action.target);
    case Kind::Shortcut:
        return QStringLiteral("press Ctrl+%1").arg(QChar(action.key));
    case Kind::Enter:
        return QStringLiteral("press Enter");
    case Kind::Tab:
        return QStringLiteral("press Tab");
    }
    return {};
}

int EnvironmentNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// Texts a person might type, from sensible to hostile.
QString RandomText(std::mt19937 &random)
{
    static const QStringList pieces = { "0", "1", "2", "5", "7", "9", "10", "25", "50", "4.65",
        "160", "2269", "2500", "5000", "5001", "3199.5", ".", "-", "+", "E", "D", "e", "E+", "E-",
        "1E39", "1E309", "-1E309", "3E9", "1E-46", "abc", "ft", " ", "\t", ",", "/", "0.000", "-0",
        ".125", "950", "12abc", "999999999999" };
    std::uniform_int_distribution<int> count(0, 4);
    std::uniform_int_distribution<int> piece(0, static_cast<int>(pieces.size()) - 1);
    QString text;
    for (int n = count(random); n > 0; --n)
        text += pieces[piece(random)];
    return text;
}

template <typename T> const T &OneOf(std::mt19937 &random, const std::vector<T> &choices)
{
    std::uniform_int_distribution<std::size_t> pick(0, choices.size() - 1);
    return choices[pick(random)];
}

Action RandomAction(std::mt19937 &random)
{
    static const std::vector<QString> entries = { "Text5", "Text5", "Text5", "Text2", "C1_0",
        "C2_0", "C3_0", "C4_0", "C1_1", "C2_1", "C3_1", "C4_1" };
    static const std::vector<QString> lists
        = { "C1_0", "C2_0", "C3_0", "C4_0", "C1_1", "C2_1", "C3_1", "C4_1" };
    static const std::vector<QString> options = { "Option1", "Option2", "Option3", "Option4",
        "Option5", "Option6", "Option7", "Option8", "Option9", "Option10", "Option11", "Option12" };
    // Exit (Command3) would end the run.
    static const std::vector<QString> commands
        = { "Command1", "Command1", "Command1", "Command2", "Command4" };
    static const std::vector<QString> menus = { "mnuImperial", "mnuMetric", "mnuMRL", "mnuMPA" };
    static const std::vector<int> shortcuts = { 'I', 'M', 'L', 'A' };

    std::uniform_int_distribution<int> kind(0, 99);
    const int roll = kind(random);
    if (roll < 30)
        return { Kind::Type, OneOf(random, entries), RandomText(random) };
    if (roll < 42)
        return { Kind::Pick, OneOf(random, lists), {},
            std::uniform_int_distribution<int>(0, 25)(random) };
    if (roll < 60)
        return { Kind::ClickOption, OneOf(random, options), {} };
    if (roll < 75)
        return { Kind::ClickCommand, OneOf(random, commands), {} };
    if (roll < 81)
        return { Kind::Menu, OneOf(random, menus), {} };
    if (roll < 86)
        return { Kind::Shortcut, {}, {}, OneOf(random, shortcuts) };
    if (roll < 94)
        return { Kind::Enter, {}, {} };
    return { Kind::Tab, {}, {} };
}

class RandomUserTest : public WindowTest {
protected:
    // Plays one action as a person would; an action on a control that is
    // hidden or disabled is one a person cannot make, and is passed over.
    void play(const Action &action)
    {
        QWidget *control
            = action.target.isEmpty() ? nullptr : form->findChild<QWidget *>(action.target);
        const bool reachable = control && control->isVisible() && control->isEnabled();
        ++stats.played;
        if (control && !reachable)
            ++stats.passedOver;
        switch (action.kind) {
        case Kind::Type:
            if (reachable) {
                click(control);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home, Qt::ShiftModifier);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
                typeKeys(action.text);
            }
            break;
        case Kind::Pick:
            if (reachable) {
                auto *list = static_cast<QComboBox *>(control);
                pick(list, list->itemText(action.key % list->count()));
            }
            break;
        case Kind::ClickOption:
        case Kind::ClickCommand:
            if (reachable)
                click(control);
            break;
        case Kind::Menu:
            choose(form->findChild<QAction *>(action.target));
            break;
        case Kind::Shortcut:
            pressKey(static_cast<Qt::Key>(action.key), Qt::ControlModifier);
            break;
        case Kind::Enter:
            // Enter on a focused Exit button would end the run.
            if (QApplication::focusWidget() != command(3))
                pressEnter();
            break;
        case Kind::Tab:
            pressKey(Qt::Key_Tab);
            break;
        }
    }

    struct Statistics {
        long played = 0;
        long passedOver = 0;
        long messages = 0;
        long answers = 0;
    } stats;

    // What must hold after every action; the first fault found, or nothing.
    std::optional<QString> fault() const
    {
        const bool imperial = form->isImperialUnits();
        if (menu("mnuImperial")->isChecked() != imperial
            || menu("mnuMetric")->isChecked() == imperial || option(11)->isChecked() != imperial
            || option(12)->isChecked() == imperial)
            return QStringLiteral("the unit system, its check marks and its buttons disagree");

        const bool ratedLoad = form->isRatedLoadMode();
        if (menu("mnuMRL")->isChecked() != ratedLoad || menu("mnuMPA")->isChecked() == ratedLoad)
            return QStringLiteral("the mode and its check marks disagree");

        const QString title
            = (imperial ? QStringLiteral(" Imperial - ") : QStringLiteral(" Metric - "))
            + (ratedLoad ? QStringLiteral("Minimum Rated Load")
                         : QStringLiteral("Maximum Platform Area"))
            + QStringLiteral(" - Vostrelle") + QString(19, u' ');
        if (!form->windowTitle().startsWith(title) || form->windowTitle().size() == title.size()
            || form->windowTitle().mid(title.size()).contains(u' '))
            return QStringLiteral("the title is '%1'").arg(form->windowTitle());

        for (int index = 0; index < 2; ++index) {
            const bool inchesShown = list("C2", index)->isVisibleTo(form.get())
                && list("C3", index)->isVisibleTo(form.get());
            const bool inchesHidden = !list("C2", index)->isVisibleTo(form.get())
                && !list("C3", index)->isVisibleTo(form.get());
            const bool millimetres = list("C4", index)->isVisibleTo(form.get());
            if (!list("C1", index)->isVisibleTo(form.get())
                || (imperial ? !inchesShown || millimetres : !inchesHidden || !millimetres))
                return QStringLiteral("the lists of the other unit system are shown");
        }

        for (int n : { 1, 3, 4 }) {
            const QString shown = text(n)->text();
            if (!shown.isEmpty() && !IsWrittenNumber(shown.toStdString()))
                return QStringLiteral("Text%1 shows '%2'").arg(n).arg(shown);
        }

        if (EscapedExceptions() != 0)
            return QStringLiteral("an exception escaped a handler");
        return std::nullopt;
    }

    // A text that the number-to-text rule writes, for a single or a double.
    static bool IsWrittenNumber(const std::string &text)
    {
        try {
            const double value = rules::StrictNumber(text);
            if (text == rules::DoubleToText(value))
                return true;
            return text == rules::SingleToText(rules::ToSingle(value));
        } catch (const rules::RunTimeError &) {
            return false;
        }
    }

    // Plays the actions in a new window; the number of the action after
    // which a fault shows, with the fault, or nothing.
    std::optional<std::pair<std::size_t, QString>> replay(const std::vector<Action> &actions)
    {
        openWindow();
        messages.clear();
        for (std::size_t n = 0; n < actions.size(); ++n) {
            QElapsedTimer clock;
            clock.start();
            play(actions[n]);
            if (clock.elapsed() > 5000)
                return std::make_pair(
                    n, QStringLiteral("the action took %1 ms").arg(clock.elapsed()));
            if (const auto found = fault())
                return std::make_pair(n, *found);
            stats.messages += messages.size();
            messages.clear();
            stats.answers += text(1)->text().isEmpty() ? 0 : 1;
        }
        return std::nullopt;
    }

    // Leaves out ever smaller runs of actions while the fault still shows.
    std::vector<Action> shortest(std::vector<Action> actions)
    {
        std::size_t chunks = 2;
        while (actions.size() >= 2) {
            const std::size_t size = (actions.size() + chunks - 1) / chunks;
            bool shortened = false;
            for (std::size_t start = 0; start < actions.size(); start += size) {
                std::vector<Action> fewer(actions.begin(), actions.begin() + start);
                fewer.insert(fewer.end(), actions.begin() + std::min(start + size, actions.size()),
                    actions.end());
                if (const auto failed = replay(fewer)) {
                    actions.assign(fewer.begin(), fewer.begin() + failed->first + 1);
                    shortened = true;
                    break;
                }
            }
            if (shortened)
                chunks = std::max<std::size_t>(chunks - 1, 2);
            else if (size == 1)
                break;
            else
                chunks = std::min(chunks * 2, actions.size());
        }
        return actions;
    }
};

TEST_F(RandomUserTest, keeps_the_window_sound_through_a_long_random_session)
{
    const int firstSeed = EnvironmentNumber("RATEDLOAD_RANDOM_SEED", 1);
    const int seeds = EnvironmentNumber("RATEDLOAD_RANDOM_SEEDS", 4);
    const int count = EnvironmentNumber("RATEDLOAD_RANDOM_ACTIONS", 1000);

    for (int seed = firstSeed; seed < firstSeed + seeds; ++seed) {
        std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
        std::vector<Action> actions;
        actions.reserve(static_cast<std::size_t>(count));
        for (int n = 0; n < count; ++n)
            actions.push_back(RandomAction(random));

        const auto failed = replay(actions);
        if (!failed)
            continue;
        const std::vector<Action> played(actions.begin(), actions.begin() + failed->first + 1);
        const std::vector<Action> few = shortest(played);
        QString steps;
        for (const Action &action : few)
            steps += QStringLiteral("\n  ") + Describe(action);
        ADD_FAILURE() << "seed " << seed << ", after action " << failed->first + 1 << ": "
                      << failed->second.toStdString() << "\nshortest sequence that still fails ("
                      << few.size() << " actions):" << steps.toStdString();
        return;
    }
    std::cout << "[ random   ] " << stats.played << " actions (" << stats.passedOver
              << " on hidden or disabled controls passed over), " << stats.messages
              << " message boxes, an area on show after " << stats.answers << "\n";
}

} // namespace
