// SPDX-License-Identifier: MIT
#pragma once

// What the programs that want a sheet or a chart send to ratedload-report,
// the program that paints them, and what it sends back, over its standard
// input and output. A request is a line with the length of its JSON, then
// the JSON: the sheet, or the chart with its size and its form (svg or
// png). A reply is "ok LENGTH" or "error FIELD LENGTH" on a line, then the
// bytes of the picture or the one-line reason; FIELD is the entry at fault
// ("areas" for a curve beyond single precision), or "-". No Qt here: the
// callers include it.

#include "answers/Sheet.h"

#include <iosfwd>
#include <stdexcept>
#include <optional>
#include <string>
#include <variant>

namespace ratedload::report {

struct ChartRequest {
    answers::ChartContent chart;
    int width = 1200;
    int height = 800;
    bool png = false; // else SVG
};

using Request = std::variant<answers::Sheet, ChartRequest>;

// The text of a request, framed.
std::string EncodeRequest(const Request &request);
// The next request on the stream; nothing at its end. ProtocolError for a
// request that cannot be read.
std::optional<Request> ReadRequest(std::istream &in);

// The text of a reply, framed: the picture, or the reason it has none.
std::string EncodeReply(const std::string &picture);
std::string EncodeFailure(const std::string &field, const std::string &reason);

class ProtocolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace ratedload::report
