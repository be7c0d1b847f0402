// SPDX-License-Identifier: MIT
#pragma once

// The lines of a batch: a header that names the columns (entries such as
// load or "Rated load (lb)", an id, others carried through), then one car per
// line. What the header says, and the answer of each line, the same for
// every front end that reads cars from rows (the command line's CSV, the
// dicts of Python).

#include "answers/Entries.h"
#include "answers/Questions.h"
#include "answers/Records.h"
#include "answers/Refusal.h"

#include <optional>
#include <string>
#include <vector>

namespace ratedload::answers {

// What became of one line.
struct LineAnswer {
    bool skipped = false; // an all-empty line: no car
    std::optional<Refusal> refusal; // the line gets no answer
    Row row; // the line, the id and entries echoed, the answer, the columns carried
    std::size_t answerFirst = 0; // where the question's own answer starts in the row
    std::optional<calc::Verdict> verdict;
    ChartPoint point;
    std::optional<std::string> id;
    Entries entries; // as the line gives them, with the defaults
};

class Batch {
public:
    // The header's cells; the entries given for every line, which an empty
    // cell takes; whether numbers may have a decimal comma (a file separated
    // by semicolons). Refusal (of no field) for a header that cannot be
    // read: a column named twice, one that would stand twice in the
    // answers, a unit that does not fit, a needed column that none gives.
    Batch(const Question &question, const Entries &defaults, const std::vector<std::string> &header,
        bool decimalComma = false);

    const Question &AskedQuestion() const { return question_; }
    // line, the id and the entries given, the answers, the columns carried.
    const std::vector<Column> &Columns() const { return columns_; }
    // The question's own columns.
    const std::vector<Column> &AnswerColumns() const { return answerColumns_; }

    // The answer of a line, from its cells; may be called from several
    // threads at once.
    LineAnswer Answer(long long line, const std::vector<std::string> &cells) const;

private:
    struct HeaderColumn {
        enum class Role { Id, Entry, Carried, Ignored } role = Role::Ignored;
        std::string name; // the entry's name, or the header's text for a carried column
        std::string unit; // of a side given in the heading, for numbers without one
        EntryMember entry = nullptr; // of an entry's column
    };

    std::vector<HeaderColumn> ReadHeader(const std::vector<std::string> &cells) const;
    bool FitsHeader(const std::vector<std::string> &cells) const;
    void CheckNeeded(const std::vector<std::string> &cells) const;

    const Question &question_;
    Entries defaults_;
    bool decimalComma_;
    std::vector<HeaderColumn> header_;
    Layout layout_;
    std::vector<Column> answerColumns_;
    std::vector<Column> columns_;
    std::vector<std::size_t> echoed_;
    std::vector<std::size_t> carried_;
};

// The columns a header may name for a question: "id, type, class, load...".
std::string KnownColumns(const Question &question);

} // namespace ratedload::answers
