// SPDX-License-Identifier: MIT
#pragma once

// Sheets and charts for the programs that have no Qt of their own (the
// command line, the Python module): the painting is done by the program
// ratedload-report, started when the first picture is asked for and kept
// for the others, so that a plain answer loads no Qt at all.

#include "report/Protocol.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace ratedload::report {

// A picture that was not painted: the entry at fault, if any, and the reason.
class PaintError : public std::runtime_error {
public:
    PaintError(std::string field, const std::string &reason)
        : std::runtime_error(reason)
        , field_(std::move(field))
    {
    }
    const std::string &field() const { return field_; }

private:
    std::string field_;
};

// The painting program: the one that RATEDLOAD_REPORT names, else the
// first of the candidates that can be run; empty when none can.
std::string FindPainter(const std::vector<std::string> &candidates);

// The candidates for a program in `folder`: as a build tree lays them out
// (../report/ratedload-report), and as an installed prefix does
// (../libexec/ratedload/ratedload-report), `depth` folders below the prefix.
std::vector<std::string> PainterCandidates(const std::string &folder, int depth);

class Painter {
public:
    // `program` as FindPainter gives it, or empty where none was found.
    explicit Painter(std::string program);
    ~Painter();
    Painter(const Painter &) = delete;
    Painter &operator=(const Painter &) = delete;

    // The bytes of the picture. PaintError where there are none: the program
    // is not there or ends, or it cannot paint what it is asked.
    std::string Paint(const Request &request);

private:
    void Start();
    void Send(const std::string &text);
    std::string Receive(std::size_t length);
    std::string ReceiveLine();
    [[noreturn]] void Ended();

    std::string program_;
    pid_t pid_ = -1;
    int to_ = -1; // its standard input
    int from_ = -1; // its standard output
};

} // namespace ratedload::report
