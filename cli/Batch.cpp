// SPDX-License-Identifier: MIT
#include "cli/Batch.h"

#include "cli/Csv.h"
#include "cli/InputError.h"
#include "cli/Text.h"

#include <algorithm>
#include <cctype>
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

std::string Allowed(Command command)
{
    std::string list(kIdColumn);
    for (std::string_view name : OptionNames(command))
        list += ", " + std::string(name);
    return list;
}

// The names of the header's columns; InputError for an unknown or repeated one.
std::vector<std::string> HeaderColumns(Command command, std::string line)
{
    if (line.rfind("\xEF\xBB\xBF", 0) == 0)
        line.erase(0, 3); // a byte order mark that some spreadsheets write
    std::vector<std::string> names;
    for (const std::string &cell : SplitCsvLine(line)) {
        const std::string name = ColumnName(cell);
        const auto &options = OptionNames(command);
        if (name != kIdColumn && std::find(options.begin(), options.end(), name) == options.end())
            throw InputError("unknown column '" + cell + "'; the header names the columns "
                + Allowed(command));
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

void Say(std::FILE *err, const std::string &text)
{
    const std::string line = "ratedload-cli: " + text + "\n";
    std::fwrite(line.data(), 1, line.size(), err);
}

} // namespace

void Report(std::FILE *err, std::string_view where, const Answer &answer, const Options &options,
    std::string_view series)
{
    // A table's row is named among the numbers given.
    const bool overflow = answer.failure == Failure::Overflow;
    std::string text(overflow && !series.empty() ? std::string_view() : where);
    if (!text.empty())
        text += ": ";
    if (overflow)
        text += NumbersGiven(options, series) + ": ";
    Say(err, text + answer.reason);
}

int RunBatch(Command command, rules::Units units, Format format, const Options &defaults,
    const Streams &streams)
{
    std::string line;
    long long number = 1;
    if (!std::getline(streams.in, line)) {
        Say(streams.err, "line 1: no header; the first line names the columns, from "
                + Allowed(command));
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
    const Layout layout = LayoutFor(command, defaults, names);
    for (Column &column : AnswerColumns(command, units, layout))
        columns.push_back(std::move(column));

    RecordWriter writer(streams.out, format, columns, false);
    bool anyBad = false;
    bool anyFails = false;
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
            anyBad = true;
            continue;
        }
        Options options = defaults;
        for (std::size_t i = 0; i < names.size(); ++i) {
            std::optional<std::string> *option = OptionNamed(options, names[i]);
            if (option && !cells[i].empty())
                *option = cells[i];
        }
        const Answer answer = Calculate(command, units, options, layout);
        if (answer.failure) {
            Report(streams.err, where, answer, options);
            anyBad = true;
            continue;
        }
        anyFails = anyFails || answer.fails;
        Row row { std::to_string(number) };
        for (std::size_t i : echoed) {
            const std::optional<std::string> *option = OptionNamed(options, names[i]);
            row.push_back(option ? *option : std::optional<std::string>(cells[i]));
        }
        row.insert(row.end(), answer.row.begin(), answer.row.end());
        writer.Write(row);
    }
    writer.Finish();
    if (anyBad)
        return kBadInput;
    return anyFails ? kCheckFails : kSuccess;
}

} // namespace ratedload::cli
