// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace ratedload::cli {

// Input that the command line refuses, with a one-line reason for the user.
// The reason names the option when it is raised with one.
class InputError : public std::runtime_error {
public:
    explicit InputError(const std::string &reason)
        : std::runtime_error(reason)
    {
    }
};

} // namespace ratedload::cli
