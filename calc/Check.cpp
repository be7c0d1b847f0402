// SPDX-License-Identifier: MIT
#include "calc/Check.h"

#include "calc/Margins.h"

#include "rules/Dimensions.h"
#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

namespace ratedload::calc {

namespace {

constexpr double kSquareInchesPerSquareFoot = 144.0;
// Half a unit in the 4th decimal place of an inch, and of a millimetre in metres.
constexpr double kHalfPlaceOfAnInch = 0.00005;
constexpr double kHalfPlaceOfAMillimetre = 0.00005 * 0.001;

// A side as its texts give it, in double precision: the window's area holds
// 7 digits, too few for the 4th decimal place of a long side's millimetres.
double SideGiven(rules::Units units, const rules::DimensionTexts &lists, Row row)
{
    const std::size_t first = row == Row::Depth ? 0 : 4;
    if (units == rules::Units::Imperial)
        return rules::SideInchesAsGiven(lists[first], lists[first + 1], lists[first + 2]);
    return rules::SideMetresAsGiven(lists[first], lists[first + 3]);
}

// The platform's sides as they are given.
struct Sides {
    rules::Units units;
    double depth;
    double width;
};

Sides SidesOf(const RatedLoadEntries &platform)
{
    return { platform.units, SideGiven(platform.units, platform.lists, Row::Depth),
        SideGiven(platform.units, platform.lists, Row::Width) };
}

// The area of the sides, in square feet or square metres; each side
// `shorter` by that much.
double AreaOfSides(const Sides &sides, double shorter)
{
    const double product = (sides.depth - shorter) * (sides.width - shorter);
    return sides.units == rules::Units::Imperial ? product / kSquareInchesPerSquareFoot : product;
}

Verdict VerdictOf(const std::string &compared, double maximum, double allowed)
{
    const double area = rules::StrictNumber(compared);
    if (area <= maximum)
        return Verdict::Passes;
    if (area <= allowed)
        return Verdict::PassesWithinAllowance;
    return Verdict::Fails;
}

void Figures(
    const RatedLoadEntries &platform, const MaximumAreaEntries &plated, CheckAnswers &answers)
{
    // The text last written into a field, "0" if none.
    auto copy = [](std::string &to, const Run &run, Field field) {
        const std::string *text = run.LastWritten(field);
        to = text ? std::string_view(*text) : std::string_view("0");
    };
    copy(answers.area, answers.required, Field::Area);
    copy(answers.minimumLoad, answers.required, Field::Load);
    answers.loadMargin = Difference(plated.loadText, answers.minimumLoad);
    answers.loadMarginPercent = Percent(answers.loadMargin, answers.minimumLoad);

    copy(answers.maximumArea, answers.permitted, Field::Area);
    const double maximum = rules::StrictNumber(answers.maximumArea);
    answers.maximumWithAllowance = WithAllowance(answers.maximumArea);
    const double allowed = rules::StrictNumber(answers.maximumWithAllowance);

    // Sides are given to 4 decimal places of an inch (of a millimetre); where
    // that last place decides the verdict, it goes in the car's favour.
    if (rules::AreaWasTyped(platform.areaText)) {
        answers.areaCompared = rules::FourPlacesText(rules::ReadNumber(platform.areaText));
        answers.verdict = VerdictOf(answers.areaCompared, maximum, allowed);
    } else {
        const Sides sides = SidesOf(platform);
        answers.areaCompared = rules::FourPlacesText(AreaOfSides(sides, 0.0));
        answers.verdict = VerdictOf(answers.areaCompared, maximum, allowed);
        const bool imperial = platform.units == rules::Units::Imperial;
        std::string shorter = rules::FourPlacesText(
            AreaOfSides(sides, imperial ? kHalfPlaceOfAnInch : kHalfPlaceOfAMillimetre));
        if (const Verdict verdict = VerdictOf(shorter, maximum, allowed);
            verdict != answers.verdict) {
            answers.areaCompared = std::move(shorter);
            answers.verdict = verdict;
        }
    }
    // The area's verdict knows no truck: a car plated for less than the
    // loaded truck it takes fails, whatever its area.
    if (!platform.truckText.empty()
        && rules::ReadNumber(platform.truckText) > rules::ReadNumber(plated.loadText))
        answers.verdict = Verdict::Fails;
    answers.areaMargin = Difference(answers.maximumArea, answers.areaCompared);
    answers.areaMarginPercent = Percent(answers.areaMargin, answers.maximumArea);
    answers.passengers = answers.permitted.Written(Field::Passengers);
}

} // namespace

std::string_view VerdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Passes:
        return "passes";
    case Verdict::PassesWithinAllowance:
        return "passes within the 5 % allowance";
    case Verdict::Fails:
        break;
    }
    return "fails";
}

CheckAnswers Check(const RatedLoadEntries &platform, const MaximumAreaEntries &plated)
{
    CheckAnswers answers;
    answers.required = MinimumRatedLoad(platform);
    answers.permitted = MaximumPlatformArea(plated);
    for (const Run *run : { &answers.required, &answers.permitted }) {
        if (run->Ended()) {
            answers.message = run->message;
            answers.error = run->error;
            return answers;
        }
    }
    try {
        Figures(platform, plated, answers);
    } catch (const rules::RunTimeError &error) {
        answers.error = error.what();
    }
    return answers;
}

} // namespace ratedload::calc
