// SPDX-License-Identifier: MIT
// A batch check answers any input with one of its exit statuses, and what it
// writes is CSV whose every record has the cells of its header: a bad line is
// said on standard error, never half written.

#include "fuzz/FuzzInput.h"

#include "cli/Batch.h"
#include "cli/Csv.h"

#include "answers/Refusal.h"

#include <array>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace ratedload::cli;
    // A header the fuzzer picks, then its bytes as the records; or its bytes alone.
    static const std::array<std::string, 4> kHeaders { "id,type,class,truck,load,depth,width\n",
        "load,area,note\n", "type,class,load,area\n", "" };
    FuzzInput input(data, size);
    const std::string &header = kHeaders[input.Raw<std::uint8_t>() % kHeaders.size()];
    const bool metric = input.Raw<std::uint8_t>() % 2 == 1;
    std::istringstream in(header + std::string(input.Rest()));
    std::ostringstream out;
    std::ostringstream err;
    Request request;
    request.entries.units = metric ? ratedload::rules::Units::Metric : ratedload::rules::Units::Imperial;
    request.format = ratedload::answers::Format::Csv;
    request.batch = true;
    const int status = RunBatch(CarCommandNamed("check"), request, Streams { in, out, err, false });
    FUZZ_CHECK(status >= 0 && status <= 3);

    const std::string answers = out.str();
    std::istringstream written(answers);
    CsvReader reader(written);
    CsvRecord record;
    std::size_t cells = 0;
    try {
        while (reader.Next(record)) {
            FUZZ_CHECK(record.error.empty());
            if (cells == 0)
                cells = record.cells.size();
            FUZZ_CHECK(record.cells.size() == cells);
        }
    } catch (const ratedload::answers::Refusal &) {
        // A NUL byte carried through in a cell, which a reader of ours takes
        // for UTF-16.
        FUZZ_CHECK(answers.find('\0') != std::string::npos);
    }
    return 0;
}
