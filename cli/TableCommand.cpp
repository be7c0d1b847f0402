// SPDX-License-Identifier: MIT
// table: one row per rated load, with the columns of area, or per area, with
// the columns of load.

#include "cli/Command.h"

#include <ostream>

namespace ratedload::cli {

namespace {

class TableCommand : public Command {
public:
    std::string_view Name() const override { return "table"; }
    std::string_view Summary() const override
    {
        return "one row per rated load (the columns of area) or per area (the columns of load)";
    }
    std::vector<std::string_view> Examples() const override
    {
        return { "ratedload-cli table --loads 1000:5000:500",
            "ratedload-cli table --loads 2000,2500,3500 --depth 7ft --format csv",
            "ratedload-cli table --areas 10:100:10 --type freight --class B",
            "ratedload-cli table --metric --loads 450:2500:50" };
    }
    std::vector<std::string_view> OptionNames() const override
    {
        return { "type", "class", "truck", "loads", "areas", "depth", "width" };
    }
    int Run(const Request &request, const Streams &streams) const override
    {
        std::optional<answers::Table> table;
        try {
            table.emplace(request.entries);
        } catch (const answers::Refusal &refusal) {
            Report(streams.err, "", refusal, request.entries);
            return kBadInput;
        }
        const std::string_view series = table->Series();
        const std::string_view entry = series.substr(0, series.size() - 1); // "load", "area"
        answers::RecordWriter writer(request.format, table->Columns(), false);
        std::string text;
        bool anyBad = false;
        for (std::size_t i = 0; i < table->Values().size(); ++i) {
            const answers::Entries row = table->RowEntries(i);
            try {
                writer.Write(table->Row(i).row, text);
            } catch (const answers::Refusal &refusal) {
                // The same for every row: said once.
                if (refusal.kind() == answers::Refusal::Kind::Input) {
                    Report(streams.err, "", refusal, row);
                    return kBadInput;
                }
                WriteOut(streams.out, text);
                Report(streams.err, "--" + std::string(series) + " " + table->Values()[i], refusal,
                    row, entry);
                anyBad = true;
            }
        }
        writer.Finish(text);
        streams.out << text;
        return anyBad ? kBadInput : kSuccess;
    }
};

const TableCommand kCommand;
const bool kRegistered = RegisterCommand(kCommand, 3);

} // namespace

} // namespace ratedload::cli
