// SPDX-License-Identifier: MIT
#pragma once

// Takes a fuzzer's bytes apart into the texts and numbers a rule is fed with.

#include "rules/RunTimeError.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t *data, std::size_t size)
        : bytes(reinterpret_cast<const char *>(data), size)
    {
    }

    bool empty() const { return bytes.empty(); }

    // The next text, up to a '|' or the end.
    std::string Text()
    {
        const std::size_t end = bytes.find('|');
        const std::string text(bytes.substr(0, end));
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        return text;
    }

    // The next raw value of the type, zero once the bytes run out.
    template <typename T> T Raw()
    {
        T value {};
        const std::size_t n = bytes.size() < sizeof(T) ? bytes.size() : sizeof(T);
        std::memcpy(&value, bytes.data(), n);
        bytes.remove_prefix(n);
        return value;
    }

    std::string_view Rest() const { return bytes; }

private:
    std::string_view bytes;
};

// Runs a step of the rules; their own error is an answer, anything else that
// it throws ends the run.
template <typename Step> void AllowRunTimeError(Step &&step)
{
    try {
        step();
    } catch (const ratedload::rules::RunTimeError &) {
    }
}

// A fuzz target stops the run at the first property that does not hold.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            __builtin_trap();                                                                      \
    } while (false)
