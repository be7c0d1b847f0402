// SPDX-License-Identifier: MIT
#pragma once

// What a computing procedure did, step by step, in the order it did it: the
// answers it wrote, the messages it showed, and what it did to the entries
// and the focus between them. The window performs the steps on its controls
// as they come, so that every change of text runs its change handler at the
// moment the procedure makes it; the command line reads the answers.

#include "calc/Entries.h"
#include "calc/Messages.h"

#include "rules/RunTimeError.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace ratedload::calc {

// The fields that the procedures write: the three answers, and the parts of
// the depth and width rows where a side is found.
enum class Field {
    Area, // the inside net platform area, or the maximum area
    Load, // the minimum rated load
    Passengers, // the maximum number of passengers
    Whole, // feet or metres of the found side
    Inches,
    Fraction, // of an inch
    Millimetres,
};

// Where the user is to type next.
enum class Control {
    AreaEntry, // the area, or the rated load in the maximum-platform-area mode
    TruckEntry, // the weight of the loaded truck
    DepthList, // the first list of the depth row
};

// A field receives a new text; for the parts of a side, in the given row.
struct Write {
    Field field = Field::Area;
    std::string text;
    Row row = Row::Depth;
};
// A message box is shown and answered.
struct Show {
    Message message = Message::NoArea;
};
// All eight dimension lists are set back to "0".
struct ClearAllEntries { };
// The area entry is emptied, with its change reaction active.
struct EmptyAreaEntry { };
struct MoveFocus {
    Control to = Control::AreaEntry;
};
// The passengers row is shown for the types that carry passengers, else not.
struct ShowPassengers {
    bool shown = true;
};
// The missing side is to be found for the area now on show.
struct FindSide { };
// A found side has been written: the next entry into a list starts afresh.
struct SideFound { };

using Step = std::variant<Write, Show, ClearAllEntries, EmptyAreaEntry, MoveFocus, ShowPassengers,
    FindSide, SideFound>;

// One action per kind of step, for std::visit: Overloaded { [](const Write &) {...}, ... }.
template <class... Actions> struct Overloaded : Actions... {
    using Actions::operator()...;
};
// Clang 14 does not deduce an aggregate's arguments from braces on its own.
template <class... Actions> Overloaded(Actions...) -> Overloaded<Actions...>;

struct Run {
    std::vector<Step> steps;
    // The message that ended the procedure, if one did.
    std::optional<Message> message;
    // The run-time error (an overflow, a division by zero, the square root of
    // a negative number, a text that is no number) that ended it silently;
    // the steps before it stand.
    std::optional<std::string> error;

    // Appends a step.
    void Add(Step step);
    // Appends a write, its text moved once, into the step itself.
    void Add(Write &&write);

    bool Ended() const { return message || error; }
    // The text last written into a field, if any.
    std::optional<std::string> Written(Field field) const;
    // The same, where it is read without a copy; nullptr if none.
    const std::string *LastWritten(Field field) const;
    // Whether a step of that kind was taken: run.Has<FindSide>().
    template <class Kind> bool Has() const
    {
        for (const Step &step : steps) {
            if (std::holds_alternative<Kind>(step))
                return true;
        }
        return false;
    }
};

// Takes the steps of a procedure under its error trap: a run-time error of
// the rules ends it at once, silently, and the steps taken before it stand.
template <class Entries>
Run Trapped(void (*steps)(const Entries &, Run &), const Entries &entries)
{
    Run run;
    run.steps.reserve(8);
    try {
        steps(entries, run);
    } catch (const rules::RunTimeError &error) {
        run.error = error.what();
    }
    return run;
}

} // namespace ratedload::calc
