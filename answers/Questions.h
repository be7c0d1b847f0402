// SPDX-License-Identifier: MIT
#pragma once

// The questions that every front end asks, each answered from the texts of
// the entries: the minimum rated load of a platform (load), the maximum area
// for a rated load and the other side from one side (area), the check of an
// existing car (check), and a table of either. An answer is typed: the texts
// of its columns, the verdict as a value, the car as a point of the chart.

#include "answers/Entries.h"
#include "answers/Records.h"
#include "answers/Sheet.h"

#include "calc/Check.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ratedload::answers {

// Which columns the answers have: the passenger count for the types that
// carry passengers, the found side when a side is given to find the other.
struct Layout {
    bool passengers = true;
    bool side = false;
};

struct Answer {
    Row row; // a text per column, in the order of the question's columns
    std::optional<calc::Verdict> verdict; // of a check
    ChartPoint point; // the car on the chart of its type and class
};

class Question {
public:
    virtual ~Question() = default;
    virtual std::string_view Name() const = 0; // "load", "area", "check"
    // The entries it reads for one car, which a line of a batch may give.
    virtual std::vector<std::string_view> EntryNames() const = 0;
    // The layout for the entries given; a batch's columns may change the
    // type or give a side on any line. The passenger count where the type
    // may carry passengers, and no side.
    virtual Layout LayoutFor(
        const Entries &entries, const std::vector<std::string> &batchColumns = {}) const;
    virtual std::vector<Column> Columns(rules::Units units, const Layout &layout) const = 0;
    // Refusal where the entries get no answer. The answer's row is `start`
    // with the texts after its cells, in its room: a batch gives the line's
    // own cells, to fill in later, so that the answer's texts are put where
    // they stay.
    virtual Answer AnswerFor(
        const Entries &entries, const Layout &layout, Row start = {}) const = 0;
};

const Question &LoadQuestion();
const Question &AreaQuestion();
const Question &CheckQuestion();
// nullptr for a name that is none of them.
const Question *QuestionNamed(std::string_view name);

// One question asked about one car: the columns, and the answer. Refusal.
struct Reply {
    std::vector<Column> columns;
    Answer answer;
};
Reply Ask(const Question &question, const Entries &entries);

// A table: one row per rated load (the columns of area) or per area (the
// columns of load), from the list of entries.loads or entries.areas.
class Table {
public:
    // Refusal for what no row could be answered with: no rows, rows of both
    // kinds, a truck for a table of loads, sides for a table of areas, a
    // list that cannot be read, a value not greater than 0.
    explicit Table(const Entries &entries);

    const Question &RowQuestion() const { return *question_; }
    // "loads" or "areas": the entry that gives the rows.
    std::string_view Series() const { return series_; }
    const std::vector<Column> &Columns() const { return columns_; }
    const std::vector<std::string> &Values() const { return values_; }
    // The entries of row `i`, and its answer. Refusal where that row gets
    // none (an overflow, a message of the calculation).
    Entries RowEntries(std::size_t i) const;
    Answer Row(std::size_t i) const;

private:
    Entries entries_;
    const Question *question_ = nullptr;
    std::string_view series_;
    std::vector<std::string> values_;
    Layout layout_;
    std::vector<Column> columns_;
};

} // namespace ratedload::answers
