// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace ratedload::answers {

// Why a question gets no answer: the entry at fault and the reason, apart,
// so that each front end says it its own way (the command line as
// "--depth: REASON", the web page at the depth field, Python as an error
// naming depth). The reason names entries by their names ("the depth"),
// never in the syntax of one front end. Every failure of a question travels
// as this one type.
class Refusal : public std::runtime_error {
public:
    enum class Kind {
        Input, // an entry is wrong: the reason says how
        Message, // the calculation shows a message: the entry to give or mend
        Overflow, // a run-time error of the rules, such as an overflow
    };

    Refusal(Kind kind, std::string field, const std::string &reason)
        : std::runtime_error(reason)
        , kind_(kind)
        , field_(std::move(field))
        , reason_(reason)
    {
    }

    Kind kind() const { return kind_; }
    // The name of the entry ("depth", "class"); empty where none is at fault
    // alone (an overflow, a line of a batch that cannot be read).
    const std::string &field() const { return field_; }
    // Whole, where what() would stop at a NUL byte quoted from an entry.
    const std::string &reason() const { return reason_; }

private:
    Kind kind_;
    std::string field_;
    std::string reason_;
};

// The kind as front ends name it: "input", "message" or "overflow".
inline std::string_view KindName(Refusal::Kind kind)
{
    switch (kind) {
    case Refusal::Kind::Input:
        return "input";
    case Refusal::Kind::Message:
        return "message";
    case Refusal::Kind::Overflow:
        break;
    }
    return "overflow";
}

// Refuses an entry as input: Refusal::Kind::Input.
[[noreturn]] inline void Refuse(std::string_view field, const std::string &reason)
{
    throw Refusal(Refusal::Kind::Input, std::string(field), reason);
}

} // namespace ratedload::answers
