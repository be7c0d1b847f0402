// SPDX-License-Identifier: MIT
#include "report/Protocol.h"

#include <nlohmann/json.hpp>

#include <istream>

namespace ratedload::report {

namespace {

using nlohmann::json;

json PointJson(const answers::ChartPoint &point)
{
    return { { "area", point.area }, { "load", point.load }, { "mark", int(point.mark) } };
}

json ChartJson(const answers::ChartContent &chart)
{
    json points = json::array();
    for (const answers::ChartPoint &point : chart.points)
        points.push_back(PointJson(point));
    json value = { { "units", int(chart.units) }, { "type", int(chart.type) },
        { "from", chart.fromArea }, { "to", chart.toArea }, { "points", points } };
    if (chart.freightClass)
        value["class"] = int(*chart.freightClass);
    return value;
}

answers::ChartContent ChartOf(const json &value)
{
    answers::ChartContent chart;
    chart.units = rules::Units(value.at("units").get<int>());
    chart.type = calc::ElevatorType(value.at("type").get<int>());
    if (value.contains("class"))
        chart.freightClass = rules::FreightClass(value.at("class").get<int>());
    chart.fromArea = value.at("from").get<double>();
    chart.toArea = value.at("to").get<double>();
    for (const json &point : value.at("points"))
        chart.points.push_back({ point.at("area").get<double>(), point.at("load").get<double>(),
            answers::Mark(point.at("mark").get<int>()) });
    return chart;
}

json RowsJson(const std::vector<answers::SheetRow> &rows)
{
    json array = json::array();
    for (const answers::SheetRow &row : rows)
        array.push_back({ row.label, row.value, row.unit, row.figure });
    return array;
}

json SheetJson(const answers::Sheet &sheet)
{
    json sections = json::array();
    for (const answers::SheetSection &section : sheet.sections)
        sections.push_back({ { "heading", section.heading }, { "rows", RowsJson(section.rows) },
            { "columns", section.columns } });
    json value = { { "paper", int(sheet.paper) }, { "title", sheet.title },
        { "program", sheet.program }, { "dateTime", sheet.dateTime }, { "fields", sheet.fields },
        { "sections", sections }, { "chart", ChartJson(sheet.chart) } };
    if (sheet.verdict)
        value["verdict"] = { { "text", sheet.verdict->text }, { "mark", int(sheet.verdict->mark) },
            { "explanation", sheet.verdict->explanation } };
    return value;
}

answers::Sheet SheetOf(const json &value)
{
    answers::Sheet sheet;
    sheet.paper = answers::Paper(value.at("paper").get<int>());
    sheet.title = value.at("title").get<std::string>();
    sheet.program = value.at("program").get<std::string>();
    sheet.dateTime = value.at("dateTime").get<std::string>();
    sheet.fields = value.at("fields").get<std::vector<std::pair<std::string, std::string>>>();
    for (const json &section : value.at("sections")) {
        answers::SheetSection read { section.at("heading").get<std::string>(), {},
            section.at("columns").get<int>() };
        for (const json &row : section.at("rows"))
            read.rows.push_back({ row.at(0).get<std::string>(), row.at(1).get<std::string>(),
                row.at(2).get<std::string>(), row.at(3).get<bool>() });
        sheet.sections.push_back(std::move(read));
    }
    if (value.contains("verdict")) {
        const json &verdict = value.at("verdict");
        sheet.verdict = answers::SheetVerdict { verdict.at("text").get<std::string>(),
            answers::Mark(verdict.at("mark").get<int>()),
            verdict.at("explanation").get<std::string>() };
    }
    sheet.chart = ChartOf(value.at("chart"));
    return sheet;
}

std::string Framed(const std::string &head, const std::string &body)
{
    return head + std::to_string(body.size()) + "\n" + body;
}

} // namespace

std::string EncodeRequest(const Request &request)
{
    json value;
    if (const auto *sheet = std::get_if<answers::Sheet>(&request)) {
        value = { { "sheet", SheetJson(*sheet) } };
    } else {
        const ChartRequest &chart = std::get<ChartRequest>(request);
        value = { { "chart", ChartJson(chart.chart) }, { "width", chart.width },
            { "height", chart.height }, { "form", chart.png ? "png" : "svg" } };
    }
    // Texts that are not UTF-8 are replaced rather than refused: the sheet
    // shows what it can of them.
    return Framed("", value.dump(-1, ' ', false, json::error_handler_t::replace));
}

std::optional<Request> ReadRequest(std::istream &in)
{
    std::string head;
    if (!std::getline(in, head))
        return std::nullopt;
    std::size_t length = 0;
    try {
        length = std::stoul(head);
    } catch (const std::exception &) {
        throw ProtocolError("a request without its length");
    }
    std::string body(length, '\0');
    if (!in.read(body.data(), static_cast<std::streamsize>(length)))
        throw ProtocolError("a request cut short");
    try {
        const json value = json::parse(body);
        if (value.contains("sheet"))
            return SheetOf(value.at("sheet"));
        ChartRequest chart;
        chart.chart = ChartOf(value.at("chart"));
        chart.width = value.at("width").get<int>();
        chart.height = value.at("height").get<int>();
        chart.png = value.at("form").get<std::string>() == "png";
        return chart;
    } catch (const json::exception &error) {
        throw ProtocolError(std::string("a request that cannot be read: ") + error.what());
    }
}

std::string EncodeReply(const std::string &picture)
{
    return Framed("ok ", picture);
}

std::string EncodeFailure(const std::string &field, const std::string &reason)
{
    return Framed("error " + (field.empty() ? std::string("-") : field) + " ", reason);
}

} // namespace ratedload::report
