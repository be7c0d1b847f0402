// SPDX-License-Identifier: MIT
// The calculator's questions for the web page, compiled to WebAssembly: the
// page sends the texts of its fields and shows the texts that come back.
// Every figure, text and refusal is the answers' own; the page computes none.
//
// A request is lines of NAME TAB VALUE (in a value, %, tab, line breaks and
// NUL are written %XX): question, units (imperial or metric), the entries
// named as the command line's options (type, class, truck, load, area,
// depth, width, loads, areas) and the title block of the sheet (site, car,
// inspector, date). The reply is JSON: the answer, or the refusal with its
// field, kind and reason.

#include "answers/Questions.h"
#include "answers/Records.h"
#include "answers/Refusal.h"
#include "answers/Sheet.h"
#include "answers/Text.h"

#include "calc/LoadCurve.h"
#include "calc/RuleApplied.h"

#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <string_view>

namespace {

using namespace ratedload;

// A value as the page sends it: %XX is the byte of that number (the page
// writes %, tab, line breaks and NUL so); any other % stands for itself.
std::string Unescaped(std::string_view value)
{
    auto hex = [](char c) {
        return c >= '0' && c <= '9' ? c - '0'
            : c >= 'a' && c <= 'f'  ? c - 'a' + 10
            : c >= 'A' && c <= 'F'  ? c - 'A' + 10
                                    : -1;
    };
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '%' && i + 2 < value.size() && hex(value[i + 1]) >= 0
            && hex(value[i + 2]) >= 0) {
            text += static_cast<char>(hex(value[i + 1]) * 16 + hex(value[i + 2]));
            i += 2;
        } else {
            text += value[i];
        }
    }
    return text;
}

std::map<std::string, std::string> Fields(const char *request)
{
    std::map<std::string, std::string> fields;
    const std::string text(request ? request : "");
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos)
            fields[line.substr(0, tab)] = Unescaped(line.substr(tab + 1));
        start = end + 1;
    }
    return fields;
}

answers::Entries EntriesOf(const std::map<std::string, std::string> &fields)
{
    answers::Entries entries;
    for (const auto &[name, value] : fields) {
        if (name == "units")
            entries.units = value == "metric" ? rules::Units::Metric : rules::Units::Imperial;
        else if (auto *text = answers::EntryNamed(entries, name); text && !value.empty())
            *text = value;
    }
    return entries;
}

// A small JSON writer: keys and values in order, commas where they go.
class Json {
public:
    Json &Open(char bracket)
    {
        Separate();
        text_ += bracket;
        first_ = true;
        return *this;
    }
    Json &Close(char bracket)
    {
        text_ += bracket;
        first_ = false;
        return *this;
    }
    Json &Key(std::string_view key)
    {
        Separate();
        answers::AppendJsonString(text_, key);
        text_ += ':';
        first_ = true;
        return *this;
    }
    Json &String(std::string_view value)
    {
        Separate();
        answers::AppendJsonString(text_, value);
        return *this;
    }
    Json &Optional(const std::optional<std::string> &value)
    {
        return value ? String(*value) : Raw("null");
    }
    Json &Number(double value)
    {
        // A place on the chart: 4 decimal places are more than a screen
        // shows, and a whole number of them over 10^4 is written quickly.
        constexpr double kPlaces = 1e4;
        if (!std::isfinite(value) || std::fabs(value) >= 1e11)
            return Raw(std::isfinite(value) ? rules::DoubleToText(value) : "null");
        return Raw(rules::DoubleToText(std::nearbyint(value * kPlaces) / kPlaces));
    }
    Json &Raw(std::string_view value)
    {
        Separate();
        text_ += value;
        return *this;
    }
    const std::string &Text() const { return text_; }

private:
    void Separate()
    {
        if (!first_)
            text_ += ',';
        first_ = false;
    }
    std::string text_;
    bool first_ = true;
};

std::string_view MarkName(answers::Mark mark)
{
    switch (mark) {
    case answers::Mark::Passes:
        return "passes";
    case answers::Mark::PassesWithinAllowance:
        return "within";
    case answers::Mark::Fails:
        return "fails";
    case answers::Mark::Platform:
        break;
    }
    return "platform";
}

void WriteRows(Json &json, const std::vector<answers::SheetRow> &rows)
{
    json.Open('[');
    for (const answers::SheetRow &row : rows) {
        json.Open('{').Key("label").String(row.label).Key("value").String(row.value);
        json.Key("unit").String(row.unit).Close('}');
    }
    json.Close(']');
}

void WriteAxis(Json &json, const answers::Axis &axis)
{
    json.Open('{').Key("low").Number(axis.low).Key("high").Number(axis.high).Key("ticks").Open('[');
    for (const double tick : axis.ticks)
        json.Open('{').Key("value").Number(tick).Key("text").String(rules::DoubleToText(tick)).Close('}');
    json.Close(']').Close('}');
}

// The chart of the car: the code's curve over the axes that take in the car.
void WriteChart(Json &json, const answers::ChartContent &chart)
{
    constexpr int kTicks = 6;
    const answers::Axis areas = answers::AreaAxisOf(chart, kTicks);
    constexpr int kSamples = 160; // a smooth curve at the width of a screen
    const calc::LoadCurve curve = calc::LoadCurveOf(
        chart.units, chart.type, chart.freightClass, areas.low, areas.high, kSamples);
    const answers::Axis loads = answers::LoadAxisOf(chart, curve, kTicks);

    json.Open('{').Key("title").String(answers::ChartTitle(chart));
    json.Key("areaUnit").String(calc::AreaUnit(chart.units));
    json.Key("loadUnit").String(calc::LoadUnit(chart.units));
    json.Key("areas");
    WriteAxis(json, areas);
    json.Key("loads");
    WriteAxis(json, loads);
    json.Key("threshold");
    if (curve.threshold)
        json.Number(*curve.threshold);
    else
        json.Raw("null");
    json.Key("pieces").Open('[');
    for (const auto &piece : curve.pieces) {
        json.Open('[');
        for (const calc::CurvePoint &point : piece)
            json.Open('[').Number(point.area).Number(point.load).Close(']');
        json.Close(']');
    }
    json.Close(']').Key("points").Open('[');
    for (const answers::ChartPoint &point : chart.points) {
        json.Open('{').Key("area").Number(point.area).Key("load").Number(point.load);
        json.Key("mark").String(MarkName(point.mark)).Close('}');
    }
    json.Close(']').Close('}');
}

void WriteAnswer(Json &json, const answers::Question &question, const answers::Entries &entries,
    const std::map<std::string, std::string> &fields)
{
    const answers::Reply reply = answers::Ask(question, entries);
    answers::TitleBlock title;
    title.program = std::string("ratedload ") + RATEDLOAD_VERSION;
    auto field = [&](const char *name) {
        const auto found = fields.find(name);
        return found == fields.end() ? std::string() : found->second;
    };
    title.site = field("site");
    title.car = field("car");
    title.inspector = field("inspector");
    answers::Sheet sheet = answers::SheetOf(question, entries, reply.columns, reply.answer, title);
    sheet.dateTime = field("date");

    json.Open('{').Key("answer").Open('{');
    json.Key("question").String(question.Name());
    json.Key("columns").Open('[');
    for (std::size_t i = 0; i < reply.columns.size(); ++i) {
        const answers::Column &column = reply.columns[i];
        json.Open('{').Key("key").String(column.key).Key("label").String(column.label);
        json.Key("unit").String(column.unit);
        json.Key("text").Optional(i < reply.answer.row.size() ? reply.answer.row[i] : std::nullopt);
        json.Close('}');
    }
    json.Close(']');
    json.Key("jsonl").String(answers::Written(answers::Format::Jsonl, reply.columns, reply.answer.row));
    json.Key("verdict");
    if (sheet.verdict) {
        json.Open('{').Key("text").String(sheet.verdict->text);
        json.Key("mark").String(MarkName(sheet.verdict->mark));
        json.Key("explanation").String(sheet.verdict->explanation).Close('}');
    } else {
        json.Raw("null");
    }
    json.Key("sheet").Open('{').Key("title").String(sheet.title).Key("program").String(sheet.program);
    json.Key("paper").String(sheet.paper == answers::Paper::A4 ? "a4" : "letter");
    json.Key("sections").Open('[');
    for (const answers::SheetSection &section : sheet.sections) {
        json.Open('{').Key("heading").String(section.heading).Key("columns").Number(section.columns);
        json.Key("rows");
        WriteRows(json, section.rows);
        json.Close('}');
    }
    json.Close(']').Close('}');
    json.Key("chart");
    try {
        WriteChart(json, sheet.chart);
    } catch (const rules::RunTimeError &) {
        json.Raw("null"); // a curve beyond single precision: no chart
    }
    json.Close('}').Close('}');
}

void WriteRefusal(Json &json, const answers::Refusal &refusal)
{
    json.Open('{').Key("refusal").Open('{');
    json.Key("field").String(refusal.field()).Key("kind").String(KindName(refusal.kind()));
    // Control characters quoted from an entry show as the command line says them.
    json.Key("reason").String(answers::Escaped(refusal.reason())).Close('}').Close('}');
}

std::string &Reply()
{
    static std::string reply;
    return reply;
}

} // namespace

extern "C" {

// One question (load, area, check) about one car.
const char *ratedload_ask(const char *request)
{
    const std::map<std::string, std::string> fields = Fields(request);
    const auto question = fields.find("question");
    const answers::Question *asked
        = answers::QuestionNamed(question == fields.end() ? "" : question->second);
    Json json;
    try {
        if (!asked)
            answers::Refuse("question", "expected load, area or check");
        WriteAnswer(json, *asked, EntriesOf(fields), fields);
    } catch (const answers::Refusal &refusal) {
        json = Json();
        WriteRefusal(json, refusal);
    }
    Reply() = json.Text();
    return Reply().c_str();
}

// A table, as the JSON Lines of its rows and the refusal of each row that
// has none.
const char *ratedload_table(const char *request)
{
    const answers::Entries entries = EntriesOf(Fields(request));
    Json json;
    try {
        const answers::Table table(entries);
        std::string jsonl;
        json.Open('{').Key("refusals").Open('[');
        for (std::size_t i = 0; i < table.Values().size(); ++i) {
            try {
                answers::AppendRecord(jsonl, answers::Format::Jsonl, table.Columns(), table.Row(i).row);
            } catch (const answers::Refusal &refusal) {
                WriteRefusal(json, refusal);
            }
        }
        json.Close(']').Key("jsonl").String(jsonl).Close('}');
    } catch (const answers::Refusal &refusal) {
        json = Json();
        WriteRefusal(json, refusal);
    }
    Reply() = json.Text();
    return Reply().c_str();
}

} // extern "C"
