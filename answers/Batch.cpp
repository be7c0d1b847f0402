// SPDX-License-Identifier: MIT
#include "answers/Batch.h"

#include "answers/Reading.h"
#include "answers/Text.h"

#include <algorithm>

namespace ratedload::answers {

namespace {

constexpr std::string_view kIdColumn = "id";

// The names people give the columns, in any case, with blanks, "_" or "-"
// between the words: "Rated load", "rated_load".
struct Spelling {
    std::string_view written;
    std::string_view name;
};
constexpr Spelling kSpellings[] = {
    { "id", "id" },
    { "car", "id" },
    { "car id", "id" },
    { "car no", "id" },
    { "car number", "id" },
    { "type", "type" },
    { "elevator type", "type" },
    { "class", "class" },
    { "freight class", "class" },
    { "loading class", "class" },
    { "class of loading", "class" },
    { "truck", "truck" },
    { "truck weight", "truck" },
    { "loaded truck", "truck" },
    { "load", "load" },
    { "rated load", "load" },
    { "plated load", "load" },
    { "capacity", "load" },
    { "area", "area" },
    { "platform area", "area" },
    { "net area", "area" },
    { "inside net platform area", "area" },
    { "depth", "depth" },
    { "platform depth", "depth" },
    { "car depth", "depth" },
    { "width", "width" },
    { "platform width", "width" },
    { "car width", "width" },
};

// The units a heading may name after an option, in parentheses or brackets:
// "Load (lb)", "Area [m²]".
struct HeadingUnit {
    std::string_view written;
    std::string_view quantity; // "load", "area" or "side"
    rules::Units units;
    std::string_view side; // the unit a side takes from it: "in", "mm"
};
constexpr HeadingUnit kHeadingUnits[] = {
    { "lb", "load", rules::Units::Imperial, "" },
    { "lbs", "load", rules::Units::Imperial, "" },
    { "pounds", "load", rules::Units::Imperial, "" },
    { "kg", "load", rules::Units::Metric, "" },
    { "kilograms", "load", rules::Units::Metric, "" },
    { "sq ft", "area", rules::Units::Imperial, "" },
    { "sqft", "area", rules::Units::Imperial, "" },
    { "ft2", "area", rules::Units::Imperial, "" },
    { "ft\u00b2", "area", rules::Units::Imperial, "" },
    { "square feet", "area", rules::Units::Imperial, "" },
    { "sq m", "area", rules::Units::Metric, "" },
    { "sqm", "area", rules::Units::Metric, "" },
    { "m2", "area", rules::Units::Metric, "" },
    { "m\u00b2", "area", rules::Units::Metric, "" },
    { "square metres", "area", rules::Units::Metric, "" },
    { "square meters", "area", rules::Units::Metric, "" },
    { "ft", "side", rules::Units::Imperial, "ft" },
    { "feet", "side", rules::Units::Imperial, "ft" },
    { "in", "side", rules::Units::Imperial, "in" },
    { "inches", "side", rules::Units::Imperial, "in" },
    { "m", "side", rules::Units::Metric, "m" },
    { "metres", "side", rules::Units::Metric, "m" },
    { "meters", "side", rules::Units::Metric, "m" },
    { "mm", "side", rules::Units::Metric, "mm" },
    { "millimetres", "side", rules::Units::Metric, "mm" },
    { "millimeters", "side", rules::Units::Metric, "mm" },
};

// Lower case, the words apart by one blank; "_" and "-" part words too, and
// points go ("sq. ft.").
std::string Words(std::string_view text, bool points)
{
    std::string words;
    bool blank = false;
    for (char c : Lower(text)) {
        if (c == ' ' || c == '\t' || c == '_' || c == '-' || (points && c == '.')) {
            blank = !words.empty();
            continue;
        }
        if (blank)
            words += ' ';
        blank = false;
        words += c;
    }
    return words;
}

struct Heading {
    std::string name; // of the option or the id it names, else its words
    std::string words; // as written, in lower case
    std::string unit; // in parentheses or brackets after it
};

// A heading as its name and the unit after it, if any: "Load (lb)" is
// load in lb; "--depth" is depth.
Heading HeadingOf(std::string_view cell)
{
    std::string_view heading = Trimmed(cell);
    if (heading.rfind("--", 0) == 0)
        heading.remove_prefix(2);
    std::string_view unit;
    if (!heading.empty() && (heading.back() == ')' || heading.back() == ']')) {
        const std::size_t open = heading.rfind(heading.back() == ')' ? '(' : '[');
        if (open != std::string_view::npos && open > 0) {
            unit = Trimmed(heading.substr(open + 1, heading.size() - open - 2));
            heading = heading.substr(0, open);
        }
    }
    const std::string words = Words(heading, false);
    for (const Spelling &spelling : kSpellings) {
        if (words == spelling.written)
            return { std::string(spelling.name), words, Words(unit, true) };
    }
    return { words, words, Words(unit, true) };
}

std::string_view Quantity(std::string_view name)
{
    if (name == "load" || name == "truck")
        return "load";
    if (name == "area")
        return "area";
    return name == "depth" || name == "width" ? "side" : "";
}

// The unit of a heading, checked against the entry and the units in force;
// for a side, the unit its numbers take. Refusal where it does not fit.
std::string CheckedUnit(std::string_view cell, std::string_view name, const std::string &unit,
    rules::Units units)
{
    const std::string_view quantity = Quantity(name);
    const bool imperial = units == rules::Units::Imperial;
    const std::string known = quantity == "load" ? (imperial ? "lb" : "kg")
        : quantity == "area"                      ? (imperial ? "sq ft" : "sq m")
                                                  : (imperial ? "ft or in" : "m or mm");
    const std::string heading = "the column '" + std::string(Trimmed(cell)) + "'";
    if (quantity.empty())
        Refuse("", heading + " takes no unit");
    for (const HeadingUnit &headingUnit : kHeadingUnits) {
        if (headingUnit.written != unit || headingUnit.quantity != quantity)
            continue;
        if (headingUnit.units != units)
            Refuse("", heading + " is in " + unit + (imperial ? "; in imperial" : "; in metric")
                    + " units, " + std::string(quantity) + "s are in " + known);
        return std::string(headingUnit.side);
    }
    Refuse("", heading + ": unknown unit '" + unit + "'; " + std::string(quantity) + "s are in "
            + known);
}

// The figures (area, load) are answered in columns of their own; the other
// entries given are written back beside the answers.
bool IsEchoed(std::string_view name)
{
    return name != "area" && name != "load";
}

// Digits grouped by points in threes, such as 2.500 or 1.000.000.
bool GroupedInThousands(std::string_view text)
{
    const std::size_t first = text.find('.');
    if (first == 0 || first > 3 || first == std::string_view::npos || (text.size() - first) % 4)
        return false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool point = at >= first && (at - first) % 4 == 0;
        if (point ? text[at] != '.' : !IsDigit(text[at]))
            return false;
    }
    return true;
}

// A cell as the text of its option: in a file separated by semicolons a
// number may have a decimal comma, as spreadsheets there write it; a side
// written as a bare number takes the unit of its heading. Refusal for a
// number that may have points between thousands.
void PutCell(std::optional<std::string> &entry, std::string_view name, const std::string &unit,
    std::string_view cell, bool decimalComma)
{
    const std::string_view trimmed = Trimmed(cell);
    const bool comma = decimalComma && !Quantity(name).empty();
    const bool point = trimmed.find('.') != std::string_view::npos;
    if (comma && point && Quantity(name) != "side" && GroupedInThousands(trimmed))
        Refuse(name,
            "'" + std::string(trimmed)
                + "' may have points between thousands, or be a decimal; in a file separated by "
                  "semicolons write it without the points, or with a decimal comma");
    std::string &text = entry.emplace(trimmed);
    if (comma && !point)
        std::replace(text.begin(), text.end(), ',', '.');
    const bool bare = !unit.empty() && !text.empty()
        && text.find_first_not_of("0123456789.") == std::string::npos;
    if (bare)
        text += unit;
}

bool AllEmpty(const std::vector<std::string> &cells)
{
    return std::all_of(
        cells.begin(), cells.end(), [](const std::string &cell) { return Trimmed(cell).empty(); });
}

} // namespace

std::string KnownColumns(const Question &question)
{
    std::string list(kIdColumn);
    for (std::string_view name : question.EntryNames())
        list += ", " + std::string(name);
    return list;
}

Batch::Batch(const Question &question, const Entries &defaults,
    const std::vector<std::string> &header, bool decimalComma)
    : question_(question)
    , defaults_(defaults)
    , decimalComma_(decimalComma)
{
    std::vector<std::string> names;
    for (const std::string &cell : header)
        names.push_back(HeadingOf(cell).name);
    layout_ = question.LayoutFor(defaults, names);
    answerColumns_ = question.Columns(defaults.units, layout_);
    header_ = ReadHeader(header);
    CheckNeeded(header);

    columns_ = { Column { "line", "Line", "Line", "", Kind::Number } };
    for (std::size_t i = 0; i < header_.size(); ++i) {
        const HeaderColumn &column = header_[i];
        if (column.role == HeaderColumn::Role::Id
            || (column.role == HeaderColumn::Role::Entry && IsEchoed(column.name))) {
            const std::string title = Capitalised(column.name);
            columns_.push_back(Column { column.name, title, title, "",
                column.name == "truck" ? Kind::Number : Kind::Word });
            echoed_.push_back(i);
        }
    }
    columns_.insert(columns_.end(), answerColumns_.begin(), answerColumns_.end());
    for (std::size_t i = 0; i < header_.size(); ++i) {
        if (header_[i].role == HeaderColumn::Role::Carried) {
            columns_.push_back(
                Column { header_[i].name, header_[i].name, header_[i].name, "", Kind::Word });
            carried_.push_back(i);
        }
    }
}

// The columns of the header: known entries and the id, then those carried
// through unchanged; an empty header cell is ignored.
std::vector<Batch::HeaderColumn> Batch::ReadHeader(const std::vector<std::string> &cells) const
{
    const std::vector<std::string_view> entries = question_.EntryNames();
    const rules::Units units = defaults_.units;
    // "Car" is the id where no column is called "id".
    const bool idNamed = std::any_of(cells.begin(), cells.end(),
        [](const std::string &cell) { return HeadingOf(cell).words == kIdColumn; });
    std::vector<HeaderColumn> columns;
    std::vector<std::string> seen;
    for (const std::string &cell : cells) {
        HeaderColumn column;
        const auto [name, words, unit] = HeadingOf(cell);
        if (Trimmed(cell).empty()) {
            columns.push_back(column);
            continue;
        }
        const bool known = (name == kIdColumn && (words == kIdColumn || !idNamed))
            || std::find(entries.begin(), entries.end(), name) != entries.end();
        if (known) {
            column = { name == kIdColumn ? HeaderColumn::Role::Id : HeaderColumn::Role::Entry,
                name, {}, EntryMemberNamed(name) };
            if (!unit.empty())
                column.unit = CheckedUnit(cell, name, unit, units);
        } else {
            column = { HeaderColumn::Role::Carried, std::string(Trimmed(cell)), {}, nullptr };
            const std::string &key = column.name;
            if (key == "line"
                || std::any_of(answerColumns_.begin(), answerColumns_.end(),
                    [&key](const Column &answer) { return answer.key == key; }))
                Refuse("", "the column '" + key + "' is one of the answers; rename it to carry it through");
        }
        const std::string key = column.role == HeaderColumn::Role::Carried ? column.name : name;
        if (std::find(seen.begin(), seen.end(), key) != seen.end())
            Refuse("", "the column '" + key + "' is named twice");
        seen.push_back(key);
        columns.push_back(column);
    }
    return columns;
}

// Every line needs what no column gives and no entry gives for all:
// refused once, at the header, rather than on every line.
void Batch::CheckNeeded(const std::vector<std::string> &cells) const
{
    const std::vector<std::string_view> entries = question_.EntryNames();
    auto takes = [&](std::string_view name) {
        return std::find(entries.begin(), entries.end(), name) != entries.end();
    };
    auto given = [&](std::string_view name) {
        const bool column = std::any_of(header_.begin(), header_.end(), [&](const HeaderColumn &c) {
            return c.role == HeaderColumn::Role::Entry && c.name == name;
        });
        return column || EntryNamed(defaults_, name)->has_value();
    };
    std::string missing;
    if (takes("load") && !given("load"))
        missing = "the rated load";
    else if (takes("area") && !given("area") && !given("depth") && !given("width"))
        missing = "the platform";
    else if (takes("area") && !given("area") && given("depth") != given("width"))
        missing = given("depth") ? "the width of the platform" : "the depth of the platform";
    if (missing.empty())
        return;
    std::string read;
    for (const std::string &cell : cells)
        read += (read.empty() ? "'" : ", '") + std::string(Trimmed(cell)) + "'";
    Refuse("", "no column gives " + missing + " (or give it for every line): the header reads "
            + read + "; the columns known are " + KnownColumns(question_)
            + ", in any case, such as 'Rated load', and with a unit, such as 'Load (lb)'");
}

// A line and the header may differ by empty cells at the end, as
// spreadsheets write them ("id,load,area," over "A,2500,29"): what counts is
// a cell past the header's with something in it, or a column named in the
// header past the line's last cell.
bool Batch::FitsHeader(const std::vector<std::string> &cells) const
{
    for (std::size_t i = header_.size(); i < cells.size(); ++i) {
        if (!Trimmed(cells[i]).empty())
            return false;
    }
    for (std::size_t i = cells.size(); i < header_.size(); ++i) {
        if (header_[i].role != HeaderColumn::Role::Ignored)
            return false;
    }
    return true;
}

LineAnswer Batch::Answer(long long line, const std::vector<std::string> &cells) const
{
    LineAnswer outcome;
    if (cells.size() != header_.size() && !FitsHeader(cells) && !AllEmpty(cells)) {
        outcome.refusal = Refusal(Refusal::Kind::Input, "",
            std::to_string(cells.size()) + " cells where the header names "
                + std::to_string(header_.size()));
        return outcome;
    }
    if (AllEmpty(cells)) {
        outcome.skipped = true;
        return outcome;
    }
    Entries &entries = outcome.entries;
    entries = defaults_;
    answers::Answer answer;
    try {
        for (std::size_t i = 0; i < header_.size(); ++i) {
            const HeaderColumn &column = header_[i];
            if (column.role == HeaderColumn::Role::Entry && !Trimmed(cells[i]).empty())
                PutCell(entries.*column.entry, column.name, column.unit, cells[i], decimalComma_);
        }
        // The answer's texts go into the row after the line's own cells,
        // which are filled in once it is answered.
        Row start;
        start.reserve(columns_.size());
        start.resize(1 + echoed_.size());
        answer = question_.AnswerFor(entries, layout_, std::move(start));
    } catch (const Refusal &refusal) {
        outcome.refusal = refusal;
        return outcome;
    }
    outcome.verdict = answer.verdict;
    outcome.point = answer.point;
    outcome.answerFirst = 1 + echoed_.size();
    Row &row = outcome.row;
    row = std::move(answer.row);
    row[0] = std::to_string(line);
    for (std::size_t e = 0; e < echoed_.size(); ++e) {
        const HeaderColumn &column = header_[echoed_[e]];
        std::optional<std::string> &cell = row[1 + e];
        if (column.role == HeaderColumn::Role::Id) {
            cell = cells[echoed_[e]];
            outcome.id = cells[echoed_[e]];
            continue;
        }
        const std::optional<std::string> &given = entries.*column.entry;
        if (column.entry == &Entries::truck && given)
            cell = AsWritten(*given);
        else
            cell = given;
    }
    for (std::size_t i : carried_)
        row.emplace_back(cells[i]);
    return outcome;
}

} // namespace ratedload::answers
