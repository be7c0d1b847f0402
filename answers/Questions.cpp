// SPDX-License-Identifier: MIT
#include "answers/Questions.h"

#include "answers/Ranges.h"
#include "answers/Reading.h"
#include "answers/Refusal.h"

#include "calc/MaximumPlatformArea.h"
#include "calc/MinimumRatedLoad.h"
#include "calc/MissingSide.h"
#include "calc/RuleApplied.h"

#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include <algorithm>

namespace ratedload::answers {

namespace {

Column Figure(std::string key, std::string title, std::string label, std::string unit)
{
    return Column { std::move(key), std::move(title), std::move(label), std::move(unit),
        Kind::Number };
}

Column Word(std::string key, std::string title, std::string label)
{
    return Column { std::move(key), std::move(title), std::move(label), {}, Kind::Word };
}

std::string AreaUnit(rules::Units units)
{
    return std::string(calc::AreaUnit(units));
}

std::string LoadUnit(rules::Units units)
{
    return std::string(calc::LoadUnit(units));
}

Column PassengersColumn()
{
    return Figure("passengers", "Passengers", "Maximum number of passengers", "");
}

// An answer whose row is `start`, with room for its figures after it.
Answer AnswerAfter(Row start, std::size_t figures)
{
    Answer answer;
    answer.row = std::move(start);
    answer.row.reserve(answer.row.size() + figures);
    return answer;
}

// A run-time error of the rules, anywhere in a question, refuses it.
template <class Answering> Answer Trapped(Answering answering)
{
    try {
        return answering();
    } catch (const rules::RunTimeError &error) {
        throw Refusal(Refusal::Kind::Overflow, "", error.what());
    }
}

class LoadQuestionType : public Question {
public:
    std::string_view Name() const override { return "load"; }
    std::vector<std::string_view> EntryNames() const override
    {
        return { "type", "class", "truck", "area", "depth", "width" };
    }

    std::vector<Column> Columns(rules::Units units, const Layout &layout) const override
    {
        std::vector<Column> columns {
            Figure("area", "Area", "Inside net platform area", AreaUnit(units)),
            Figure("min_rated_load", "Min. rated load", "Minimum rated load", LoadUnit(units)),
        };
        if (layout.passengers)
            columns.push_back(PassengersColumn());
        return columns;
    }

    Answer AnswerFor(const Entries &entries, const Layout &layout, Row start) const override
    {
        return Trapped([&] {
            const calc::Run run = calc::MinimumRatedLoad(RatedLoadEntriesOf(entries));
            StopAtEnd(run, entries);
            const std::size_t leading = start.size();
            Answer answer = AnswerAfter(std::move(start), 3);
            answer.row.push_back(run.Written(calc::Field::Area));
            answer.row.push_back(run.Written(calc::Field::Load));
            if (layout.passengers)
                answer.row.push_back(run.Written(calc::Field::Passengers));
            answer.point = { rules::ReadNumber(answer.row[leading].value_or("0")),
                rules::ReadNumber(answer.row[leading + 1].value_or("0")), Mark::Platform };
            return answer;
        });
    }
};

class AreaQuestionType : public Question {
public:
    std::string_view Name() const override { return "area"; }
    std::vector<std::string_view> EntryNames() const override
    {
        return { "type", "class", "load", "depth", "width" };
    }

    Layout LayoutFor(
        const Entries &entries, const std::vector<std::string> &batchColumns) const override
    {
        auto inBatch = [&](std::string_view name) {
            return std::find(batchColumns.begin(), batchColumns.end(), name) != batchColumns.end();
        };
        Layout layout = Question::LayoutFor(entries, batchColumns);
        layout.side = entries.depth || entries.width || inBatch("depth") || inBatch("width");
        return layout;
    }

    std::vector<Column> Columns(rules::Units units, const Layout &layout) const override
    {
        const bool imperial = units == rules::Units::Imperial;
        std::vector<Column> columns {
            Figure("rated_load", "Rated load", "Rated load", LoadUnit(units)),
            Figure("max_area", "Max. area", "Maximum inside net platform area", AreaUnit(units)),
        };
        if (layout.passengers)
            columns.push_back(PassengersColumn());
        if (layout.side) {
            columns.push_back(Word("found", "Found", "Side found"));
            if (imperial) {
                columns.push_back(Figure("feet", "Feet", "Feet", ""));
                columns.push_back(Figure("inches", "Inches", "Inches", ""));
                columns.push_back(Figure("fraction", "Fraction", "Fraction of an inch", ""));
            } else {
                columns.push_back(Figure("metres", "Metres", "Metres", ""));
                columns.push_back(Figure("millimetres", "Millimetres", "Millimetres", ""));
            }
        }
        return columns;
    }

    Answer AnswerFor(const Entries &entries, const Layout &layout, Row start) const override
    {
        return Trapped([&] {
            TypeOf(entries.type);
            CheckOneSide(entries);
            const calc::MaximumAreaEntries plated = MaximumAreaEntriesOf(entries);
            const rules::DimensionTexts lists = ListsOf(entries);
            const calc::Run run = calc::MaximumPlatformArea(plated);
            StopAtEnd(run, entries);
            const std::size_t leading = start.size();
            Answer answer = AnswerAfter(std::move(start), 8);
            answer.row.emplace_back(AsWritten(plated.loadText));
            answer.row.push_back(run.Written(calc::Field::Area));
            if (layout.passengers)
                answer.row.push_back(run.Written(calc::Field::Passengers));
            if (layout.side)
                AddSide(entries, lists, run, answer.row);
            answer.point = { rules::ReadNumber(answer.row[leading + 1].value_or("0")),
                rules::ReadNumber(answer.row[leading].value_or("0")), Mark::Platform };
            return answer;
        });
    }

private:
    // The found side, or nothing where no side is given or no area was found
    // to find it for (zero or negative).
    static void AddSide(
        const Entries &entries, const rules::DimensionTexts &lists, const calc::Run &area, Row &row)
    {
        const rules::Units units = entries.units;
        const bool imperial = units == rules::Units::Imperial;
        if (!(entries.depth || entries.width) || !area.Has<calc::FindSide>()) {
            row.insert(row.end(), imperial ? 4 : 3, std::nullopt);
            return;
        }
        const calc::Run side
            = calc::MissingSide({ units, area.Written(calc::Field::Area).value_or(""), lists });
        StopAtEnd(side, entries);
        const bool depthFound = calc::FoundRow(side) == calc::Row::Depth;
        // A side so long that the other comes out under an inch (a
        // millimetre) is no platform: 0 ft 0 in.
        auto part = [&side](calc::Field field) {
            return rules::ReadNumber(side.Written(field).value_or("0"));
        };
        const bool nothing = part(calc::Field::Whole) == 0
            && (imperial ? part(calc::Field::Inches) == 0 : part(calc::Field::Millimetres) < 1);
        // One so short that the other runs to 10 million feet (metres) or
        // more, past the 7 digits its whole part is shown in: the inches
        // (millimetres) left over from that rounded figure would not add up.
        const bool endless
            = side.Written(calc::Field::Whole).value_or("").find('E') != std::string::npos;
        // Said as a message of the calculation: it depends on the load too.
        if (nothing || endless)
            throw Refusal(Refusal::Kind::Message, depthFound ? "width" : "depth",
                "'" + *(depthFound ? entries.width : entries.depth) + "' is too "
                    + (nothing ? "long" : "short") + " for an area of "
                    + area.Written(calc::Field::Area).value_or("") + ": the "
                    + (depthFound ? "depth" : "width") + " found for it is "
                    + (nothing       ? (imperial ? "under an inch" : "under a millimetre")
                          : imperial ? "10 million feet or more"
                                     : "10 million metres or more"));
        row.emplace_back(depthFound ? "depth" : "width");
        row.push_back(side.Written(calc::Field::Whole));
        if (imperial) {
            row.push_back(side.Written(calc::Field::Inches));
            row.push_back(side.Written(calc::Field::Fraction));
        } else {
            row.push_back(side.Written(calc::Field::Millimetres));
        }
    }
};

class CheckQuestionType : public Question {
public:
    std::string_view Name() const override { return "check"; }
    std::vector<std::string_view> EntryNames() const override
    {
        return { "type", "class", "truck", "load", "area", "depth", "width" };
    }

    std::vector<Column> Columns(rules::Units units, const Layout &layout) const override
    {
        const std::string area = AreaUnit(units);
        const std::string load = LoadUnit(units);
        std::vector<Column> columns {
            Figure("rated_load", "Rated load", "Rated load (plated)", load),
            Figure("area", "Area", "Inside net platform area", area),
            Figure("min_rated_load", "Min. load", "Minimum rated load", load),
            Figure("load_margin", "Load margin", "Load margin", load),
            Figure("load_margin_pct", "Load margin", "Load margin / minimum rated load", "%"),
            Figure("max_area", "Max. area", "Maximum inside net platform area", area),
            Figure("area_compared", "Area compared", "Area compared (4 places)", area),
            Figure("area_margin", "Area margin", "Area margin", area),
            Figure("area_margin_pct", "Area margin", "Area margin / maximum area", "%"),
            Figure("max_area_allowance", "Max. area +5 %", "Maximum area with the 5 % allowance",
                area),
        };
        if (layout.passengers)
            columns.push_back(PassengersColumn());
        columns.push_back(Word("verdict", "Verdict", "Verdict"));
        return columns;
    }

    Answer AnswerFor(const Entries &entries, const Layout &layout, Row start) const override
    {
        return Trapped([&] {
            const calc::RatedLoadEntries platform = RatedLoadEntriesOf(entries);
            const calc::MaximumAreaEntries plated = MaximumAreaEntriesOf(entries, platform);
            calc::CheckAnswers check = calc::Check(platform, plated);
            StopAtEnd(check.required, entries);
            StopAtEnd(check.permitted, entries);
            if (check.error)
                throw Refusal(Refusal::Kind::Overflow, "", *check.error);
            Answer answer = AnswerAfter(std::move(start), 12);
            answer.verdict = check.verdict;
            answer.point = { rules::ReadNumber(check.area), rules::ReadNumber(plated.loadText),
                MarkOf(check.verdict) };
            // The figures are moved into the row, which has room for them all.
            Row &row = answer.row;
            row.emplace_back(AsWritten(plated.loadText));
            row.emplace_back(std::move(check.area));
            row.emplace_back(std::move(check.minimumLoad));
            row.emplace_back(std::move(check.loadMargin));
            row.push_back(std::move(check.loadMarginPercent));
            row.emplace_back(std::move(check.maximumArea));
            row.emplace_back(std::move(check.areaCompared));
            row.emplace_back(std::move(check.areaMargin));
            row.push_back(std::move(check.areaMarginPercent));
            row.emplace_back(std::move(check.maximumWithAllowance));
            if (layout.passengers)
                row.push_back(std::move(check.passengers));
            row.emplace_back(calc::VerdictText(check.verdict));
            return answer;
        });
    }
};

const LoadQuestionType kLoad;
const AreaQuestionType kArea;
const CheckQuestionType kCheck;

} // namespace

Layout Question::LayoutFor(
    const Entries &entries, const std::vector<std::string> &batchColumns) const
{
    return { PassengerColumn(entries, batchColumns), false };
}

const Question &LoadQuestion()
{
    return kLoad;
}

const Question &AreaQuestion()
{
    return kArea;
}

const Question &CheckQuestion()
{
    return kCheck;
}

const Question *QuestionNamed(std::string_view name)
{
    for (const Question *question :
        std::initializer_list<const Question *> { &kLoad, &kArea, &kCheck }) {
        if (question->Name() == name)
            return question;
    }
    return nullptr;
}

Reply Ask(const Question &question, const Entries &entries)
{
    const Layout layout = question.LayoutFor(entries);
    Reply reply;
    reply.answer = question.AnswerFor(entries, layout);
    reply.columns = question.Columns(entries.units, layout);
    return reply;
}

Table::Table(const Entries &entries)
    : entries_(entries)
{
    if (!entries.loads && !entries.areas)
        Refuse("loads", "the rows of the table are needed: rated loads or areas");
    if (entries.loads && entries.areas)
        Refuse("areas", "a table has rows of loads or of areas, not both");
    if (entries.loads && entries.truck)
        Refuse("truck", "the maximum area does not depend on a truck weight");
    if (entries.areas && (entries.depth || entries.width))
        Refuse(entries.depth ? "depth" : "width",
            "a table of areas takes the area of each row, not sides");
    series_ = entries.loads ? "loads" : "areas";
    // A table of loads has the rows of area, a table of areas those of load.
    question_ = entries.loads ? &AreaQuestion() : &LoadQuestion();
    try {
        values_ = ExpandValues(entries.loads ? *entries.loads : *entries.areas);
    } catch (const Refusal &refusal) {
        Refuse(series_, refusal.reason());
    }
    for (const std::string &value : values_)
        PositiveNumber(series_, value, entries.loads ? "rated loads" : "areas");
    entries_.loads.reset();
    entries_.areas.reset();
    layout_ = question_->LayoutFor(RowEntries(0));
    columns_ = question_->Columns(entries.units, layout_);
}

Entries Table::RowEntries(std::size_t i) const
{
    Entries row = entries_;
    *EntryNamed(row, series_ == "loads" ? "load" : "area") = values_.at(i);
    return row;
}

Answer Table::Row(std::size_t i) const
{
    return question_->AnswerFor(RowEntries(i), layout_);
}

} // namespace ratedload::answers
