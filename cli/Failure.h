// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace ratedload::cli {

// Why a command gives no answer. Every failure of the command line travels
// as this one type, from wherever it is found to the one place that reports
// it: one line on standard error and the exit status of bad input.
class Failure : public std::runtime_error {
public:
    enum class Kind {
        Input, // an option or a cell is wrong: the reason names it
        Message, // the calculation shows a message
        Overflow, // a run-time error of the rules, such as an overflow
    };

    Failure(Kind kind, const std::string &reason)
        : std::runtime_error(reason)
        , kind_(kind)
    {
    }

    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

// Input that the command line refuses, with a one-line reason for the user.
class InputError : public Failure {
public:
    explicit InputError(const std::string &reason)
        : Failure(Kind::Input, reason)
    {
    }
};

} // namespace ratedload::cli
