// SPDX-License-Identifier: MIT
#include "cli/Batch.h"

#include "cli/Csv.h"
#include "cli/Failure.h"
#include "cli/Text.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <string>

namespace ratedload::cli {

namespace {

constexpr std::string_view kIdColumn = "id";

// Options whose cells are echoed in the answers: the figures (area, load)
// are answered in columns of their own.
bool IsEchoed(std::string_view name)
{
    return name != "area" && name != "load";
}

std::string ColumnName(std::string_view cell)
{
    std::string name = Lower(cell);
    if (name.rfind("--", 0) == 0)
        name.erase(0, 2);
    return name;
}

// The options of a command that a batch line may give.
std::vector<std::string_view> Columns(const Command &command)
{
    std::vector<std::string_view> names;
    for (std::string_view name : command.OptionNames()) {
        if (OptionNamed(name)->perCar)
            names.push_back(name);
    }
    return names;
}

std::string Allowed(const Command &command)
{
    std::string list(kIdColumn);
    for (std::string_view name : Columns(command))
        list += ", " + std::string(name);
    return list;
}

// The names of the header's columns; InputError for an unknown or repeated one.
std::vector<std::string> HeaderColumns(const Command &command, std::string line)
{
    if (line.rfind("\xEF\xBB\xBF", 0) == 0)
        line.erase(0, 3); // a byte order mark that some spreadsheets write
    std::vector<std::string> names;
    for (const std::string &cell : SplitCsvLine(line)) {
        const std::string name = ColumnName(cell);
        const auto options = Columns(command);
        if (name != kIdColumn && std::find(options.begin(), options.end(), name) == options.end())
            throw InputError(
                "unknown column '" + cell + "'; the header names the columns " + Allowed(command));
        if (std::find(names.begin(), names.end(), name) != names.end())
            throw InputError("the column '" + name + "' is named twice");
        names.push_back(name);
    }
    return names;
}

bool Blank(std::string_view line)
{
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

} // namespace

int RunBatch(const CarCommand &command, const Request &request, const Streams &streams,
    const AnswerHook &hook)
{
    const rules::Units units = request.units;
    const Options &defaults = request.options;
    std::string line;
    long long number = 1;
    if (!std::getline(streams.in, line)) {
        Say(streams.err,
            "line 1: no header; the first line names the columns, from " + Allowed(command));
        return kBadInput;
    }
    std::vector<std::string> names;
    try {
        names = HeaderColumns(command, line);
    } catch (const InputError &error) {
        Say(streams.err, "line 1: " + std::string(error.what()));
        return kBadInput;
    }

    std::vector<Column> columns { Column { "line", "Line", "Line", "", Kind::Number } };
    std::vector<std::size_t> echoed;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!IsEchoed(names[i]))
            continue;
        std::string title = names[i];
        title[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(title[0])));
        columns.push_back(Column { names[i], title, title, "", Kind::Word });
        echoed.push_back(i);
    }
    const Layout layout = command.LayoutFor(defaults, names);
    const std::vector<Column> answerColumns = command.Columns(units, layout);
    columns.insert(columns.end(), answerColumns.begin(), answerColumns.end());
    const auto idColumn = std::find(names.begin(), names.end(), kIdColumn);

    RecordWriter writer(streams.out, request.format, columns, false);
    int status = kSuccess;
    while (std::getline(streams.in, line)) {
        ++number;
        if (Blank(line))
            continue;
        const std::string where = "line " + std::to_string(number);
        std::vector<std::string> cells;
        try {
            cells = SplitCsvLine(line);
            if (cells.size() != names.size())
                throw InputError(std::to_string(cells.size()) + " fields where the header names "
                    + std::to_string(names.size()));
        } catch (const InputError &error) {
            Say(streams.err, where + ": " + error.what());
            status = WorseStatus(status, kBadInput);
            continue;
        }
        Options options = defaults;
        for (std::size_t i = 0; i < names.size(); ++i) {
            std::optional<std::string> *option = TextOf(options, names[i]);
            if (option && !cells[i].empty())
                *option = cells[i];
        }
        const Answer answer = command.Calculate(units, options, layout);
        if (answer.failure) {
            Report(streams.err, where, *answer.failure, options);
            status = WorseStatus(status, kBadInput);
            continue;
        }
        status = WorseStatus(status, answer.status);
        Row row { std::to_string(number) };
        for (std::size_t i : echoed) {
            const std::optional<std::string> *option = TextOf(options, names[i]);
            row.push_back(option ? *option : std::optional<std::string>(cells[i]));
        }
        row.insert(row.end(), answer.row.begin(), answer.row.end());
        writer.Write(row);
        if (hook) {
            std::optional<std::string> id;
            if (idColumn != names.end())
                id = cells[static_cast<std::size_t>(idColumn - names.begin())];
            try {
                hook({ units, options, answerColumns, answer.row, number, id });
            } catch (const Failure &failure) {
                Report(streams.err, where, failure, options);
                status = WorseStatus(status, kBadInput);
            }
        }
    }
    writer.Finish();
    return status;
}

} // namespace ratedload::cli
