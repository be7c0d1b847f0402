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

#include <QApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>

#include <charconv>
#include <cmath>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

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
        ++(control && !reachable ? stats.passedOver : stats.played);
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
        long answersChecked = 0;
    };
    mutable Statistics stats;

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
            + QStringLiteral(" - Vostrelle") + kTitleEnd;
        if (form->windowTitle() != title)
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

        // A number as the window writes it: no plus sign, no blank, no
        // trailing zero, a two- or three-digit exponent.
        static const QRegularExpression written(
            QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?(E[+-][0-9]{2,3})?$"));
        for (int n : { 1, 3, 4 }) {
            const QString shown = text(n)->text();
            if (!shown.isEmpty() && (!written.match(shown).hasMatch() || shown == u"-0"))
                return QStringLiteral("Text%1 shows '%2'").arg(n).arg(shown);
        }
        if (const auto wrong = wrongAnswer())
            return wrong;

        if (EscapedExceptions() != 0)
            return QStringLiteral("an exception escaped a handler");
        return std::nullopt;
    }

    // The value of a text that is a plain number and nothing else.
    static std::optional<double> Plain(const QString &text)
    {
        const std::string digits = text.toStdString();
        double value = 0;
        const auto [end, error]
            = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()
            || !std::isfinite(value))
            return std::nullopt;
        return value;
    }

    // Whether a shown figure is the exact one, to the digits it is shown
    // with and the size of the terms it is made of.
    static bool Near(double shown, double exact, double terms, double slack = 0)
    {
        return std::abs(shown - exact) <= 3e-6 * (terms + std::abs(exact)) + slack;
    }

    // Whether a load is the passenger load of an area by the code's formulas;
    // an area rounded to a step may give the load back within that step.
    // Within a hair of the threshold either formula is right.
    static bool PassengerLoadFits(bool imperial, double area, double load, double areaStep = 0)
    {
        struct Formula {
            double a, b, c;
        };
        const Formula upper
            = imperial ? Formula { 0.0467, 125, -1367 } : Formula { 2.45, 610, -620 };
        const Formula lower = imperial ? Formula { 0.667, 66.7, 0 } : Formula { 35, 325, 0 };
        const auto fits = [&](const Formula &f) {
            const double slope = std::abs(2 * f.a * area + f.b);
            return Near(load, f.a * area * area + f.b * area + f.c,
                std::abs(f.a * area * area) + std::abs(f.b * area) + std::abs(f.c),
                areaStep > 0 ? areaStep * slope + 0.01 : 0);
        };
        const double threshold = imperial ? 50 : 4.65;
        if (std::abs(area - threshold) < 1e-5)
            return fits(upper) || fits(lower);
        return fits(area > threshold ? upper : lower);
    }

    // Whether a count is the passengers of a load, as the code rounds it;
    // a count of eight digits or more is shown to seven.
    static bool PassengersFit(bool imperial, double count, double load)
    {
        const double exact
            = imperial ? std::trunc(std::nearbyint(load) / 160) : std::floor(load / 72.5);
        return count == exact || (std::abs(exact) >= 1e7 && Near(count, exact, 0));
    }

    // The answers on show, checked against the load rules worked out here
    // from the entries on show; every edit of an entry empties the answers,
    // so whatever is on show must follow from what is entered.
    std::optional<QString> wrongAnswer() const
    {
        const bool imperial = form->isImperialUnits();
        const bool passengers = option(1)->isChecked() || option(8)->isChecked();
        const auto area = Plain(text(1)->text());
        const auto count = Plain(text(4)->text());
        const auto wrong
            = [](const char *what) { return std::optional<QString>(QString::fromLatin1(what)); };

        if (!form->isRatedLoadMode()) {
            const auto load = Plain(text(5)->text());
            if (!area || !load)
                return std::nullopt;
            ++stats.answersChecked;
            if (passengers) {
                if (!PassengerLoadFits(imperial, *area, *load, 5e-5))
                    return wrong("the maximum area does not give back the rated load");
                if (count && !PassengersFit(imperial, *count, *load))
                    return wrong("the passengers of the rated load are wrong");
                return std::nullopt;
            }
            const bool classB = option(4)->isChecked();
            const double rate = imperial ? (classB ? 30 : 50) : (classB ? 146 : 244);
            if (std::abs(*area * rate - *load) > 5e-5 * rate + 1e-6 * std::abs(*load))
                return wrong("the maximum freight area does not give back the rated load");
            return std::nullopt;
        }

        const auto load = Plain(text(3)->text());
        if (!area || !load)
            return std::nullopt;
        if (const auto fromLists = listArea(imperial)) {
            if (!Near(*area, *fromLists, 0))
                return wrong("the area is not the one of the depth and width");
        }
        const QString truckText = text(2)->text();
        const auto truck = truckText.isEmpty() ? std::optional<double>(0) : Plain(truckText);
        if (!truck)
            return std::nullopt;
        ++stats.answersChecked;
        const bool truckCounts = passengers || option(5)->isChecked() || option(6)->isChecked();
        const bool truckTaken = truckCounts && *truck > 0 && *load == *truck;
        if (!truckTaken) {
            if (passengers && !PassengerLoadFits(imperial, *area, *load))
                return wrong("the minimum rated load is not the passenger load of the area");
            const double rate = imperial ? (option(4)->isChecked() ? 30 : 50)
                                         : (option(4)->isChecked() ? 146 : 244);
            if (!passengers && !Near(*load, *area * rate, 0))
                return wrong("the minimum rated load is not the freight load of the area");
            if (truckCounts && *truck > *load * (1 + 1e-6))
                return wrong("a heavier loaded truck is not the minimum rated load");
        }
        if (count && !PassengersFit(imperial, *count, *load))
            return wrong("the passengers of the minimum rated load are wrong");
        return std::nullopt;
    }

    // The area the lists give, when every list read holds a plain number
    // and they are not all zero.
    std::optional<double> listArea(bool imperial) const
    {
        double sides[2] = {};
        bool entered = false;
        for (int index = 0; index < 2; ++index) {
            const std::vector<const char *> parts
                = imperial ? std::vector { "C1", "C2", "C3" } : std::vector { "C1", "C4" };
            const double scale[3] = { imperial ? 12.0 : 1.0, imperial ? 1.0 : 0.001, 1.0 };
            for (std::size_t part = 0; part < parts.size(); ++part) {
                const auto value = Plain(list(parts[part], index)->currentText());
                if (!value)
                    return std::nullopt;
                entered = entered || *value != 0;
                sides[index] += scale[part] * *value;
            }
        }
        if (!entered)
            return std::nullopt;
        return sides[0] * sides[1] / (imperial ? 144 : 1);
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
    std::cout << "[ random   ] " << stats.played << " actions played (" << stats.passedOver
              << " on hidden or disabled controls passed over), " << stats.messages
              << " message boxes, answers checked after " << stats.answersChecked << "\n";
    // A run that did little proves little.
    const long total = static_cast<long>(seeds) * count;
    EXPECT_GE(stats.played, total * 2 / 3);
    EXPECT_GE(stats.answersChecked, total / 20);
    EXPECT_GE(stats.messages, total / 50);
}

} // namespace
