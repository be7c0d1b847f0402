// SPDX-License-Identifier: MIT
// chart: the code's minimum rated load against the inside net platform area
// for a type and class, as SVG or PNG, with cars checked and drawn as points.

#include "cli/Batch.h"
#include "cli/Command.h"
#include "cli/OutputFile.h"
#include "cli/Reading.h"
#include "cli/Text.h"

#include "report/Report.h"

#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include <charconv>
#include <ostream>

namespace ratedload::cli {

namespace {

constexpr int kSmallest = 400;
constexpr int kLargest = 8000;

struct Size {
    int width = 1200;
    int height = 800;
};

Size SizeOf(const std::optional<std::string> &text)
{
    Size size;
    if (!text)
        return size;
    const std::string_view given = Trimmed(*text);
    const std::size_t x = given.find_first_of("xX");
    auto whole = [&](std::string_view part, int &value) {
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        return error == std::errc() && end == part.data() + part.size() && !part.empty();
    };
    if (x == std::string_view::npos || !whole(given.substr(0, x), size.width)
        || !whole(given.substr(x + 1), size.height))
        Refuse("size", "expected WIDTHxHEIGHT in pixels, such as 1200x800, got '" + *text + "'");
    if (size.width < kSmallest || size.height < kSmallest * 3 / 4 || size.width > kLargest
        || size.height > kLargest)
        Refuse("size",
            "from " + std::to_string(kSmallest) + "x" + std::to_string(kSmallest * 3 / 4) + " to "
                + std::to_string(kLargest) + "x" + std::to_string(kLargest) + " pixels, got '"
                + *text + "'");
    return size;
}

// --areas START:STOP, from 0 or more.
std::pair<double, double> RangeOf(const std::optional<std::string> &text, rules::Units units)
{
    if (!text)
        return { 0.0, report::DefaultToArea(units) };
    const std::string_view given = Trimmed(*text);
    const std::size_t colon = given.find(':');
    double range[2] = {};
    try {
        if (colon == std::string_view::npos || given.find(':', colon + 1) != std::string_view::npos)
            throw rules::RunTimeError("no range");
        range[0] = rules::StrictNumber(Trimmed(given.substr(0, colon)));
        range[1] = rules::StrictNumber(Trimmed(given.substr(colon + 1)));
    } catch (const rules::RunTimeError &) {
        Refuse("areas",
            "expected the range of the chart, START:STOP such as 0:120, got '" + *text + "'");
    }
    if (range[0] < 0 || !(range[1] > range[0]))
        Refuse("areas", "a range from 0 or more up to a greater area, got '" + *text + "'");
    return { range[0], range[1] };
}

// A car's point from its check's answer.
report::ChartPoint PointOf(const std::vector<Column> &columns, const Row &row)
{
    report::ChartPoint point;
    for (std::size_t i = 0; i < columns.size() && i < row.size(); ++i) {
        const std::string value = row[i].value_or("");
        if (columns[i].key == "area")
            point.area = rules::ReadNumber(value);
        else if (columns[i].key == "rated_load")
            point.load = rules::ReadNumber(value);
        else if (columns[i].key == "verdict")
            point.mark = report::MarkOfVerdict(value);
    }
    return point;
}

class ChartCommand : public Command {
public:
    std::string_view Name() const override { return "chart"; }
    std::string_view Summary() const override
    {
        return "the minimum rated load against the inside net platform area, as SVG or PNG, "
               "with cars checked and drawn as points";
    }
    std::vector<std::string_view> Examples() const override
    {
        return { "ratedload-cli chart --svg passenger.svg",
            "ratedload-cli chart --type freight --class B --areas 0:200 --png classB.png --size "
            "1600x1000",
            "ratedload-cli chart --car 4000,41.56 --car 3500,41.56 --svg cars.svg",
            "ratedload-cli chart --metric --batch --png fleet.png < fleet.csv" };
    }
    std::string_view Notes() const override
    {
        return "The curve is the code's rule for the type and class, without a loaded truck; "
               "for the types that carry passengers a dashed line marks the threshold where its "
               "two formulas meet without joining. Each car, from --car or from the lines of "
               "--batch (the columns of check), is checked as check checks it and drawn as a "
               "point: a filled green circle when it passes, a hollow amber triangle when it "
               "passes within the 5 % allowance, a red cross when it fails; the shapes tell them "
               "apart in black and white. A line whose type or class is not the chart's is "
               "reported and left out. The area axis is widened to take in every car. Exit "
               "status 0 when the chart is written, whatever the verdicts; 2 for bad input or a "
               "failed write.";
    }
    std::vector<std::string_view> OptionNames() const override
    {
        return { "type", "class", "areas", "car", "svg", "png", "size" };
    }
    std::string_view OptionHelp(std::string_view name) const override
    {
        if (name == "areas")
            return "range of the area axis, START:STOP (0:120 sq ft, with --metric 0:12 sq m, "
                   "by default)";
        if (name == "car")
            return "a car as LOAD,AREA: its plated load and its inside net platform area, "
                   "checked and drawn as a point; repeatable";
        return {};
    }
    bool TakesBatch() const override { return true; }

    int Run(const Request &request, const Streams &streams) const override
    {
        const Outputs &outputs = request.outputs;
        if (!outputs.svg && !outputs.png) {
            Say(streams.err, "give --svg FILE or --png FILE: where the chart goes");
            return kBadInput;
        }
        if (outputs.svg && outputs.png && IsStandardOutput(*outputs.svg)
            && IsStandardOutput(*outputs.png))
            Refuse("png", "standard output takes the SVG already; give the PNG a file");
        if (request.batch && streams.inputIsTerminal) {
            Say(streams.err,
                "--batch reads CSV lines from standard input; redirect a file or a pipe to it");
            return kBadInput;
        }
        report::ChartContent content;
        content.units = request.units;
        content.type = TypeOf(request.options.type);
        content.freightClass = ClassOf(request.options.freightClass, content.type);
        std::tie(content.fromArea, content.toArea) = RangeOf(request.options.areas, request.units);
        const Size size = SizeOf(outputs.size);

        int status = kSuccess;
        const CarCommand &check = CarCommandNamed("check");
        for (const std::string &car : outputs.cars) {
            const std::size_t comma = car.find(',');
            Options options = request.options;
            options.areas.reset();
            if (comma == std::string::npos || car.find(',', comma + 1) != std::string::npos)
                Refuse("car", "expected LOAD,AREA such as 4000,41.56, got '" + car + "'");
            options.load = std::string(Trimmed(car.substr(0, comma)));
            options.area = std::string(Trimmed(car.substr(comma + 1)));
            const Layout layout = check.LayoutFor(options);
            const Answer answer = check.Calculate(request.units, options, layout);
            if (answer.failure) {
                Report(streams.err, "--car " + car, *answer.failure, options);
                return kBadInput;
            }
            content.points.push_back(PointOf(check.Columns(request.units, layout), answer.row));
        }
        if (request.batch) {
            Request cars = request;
            cars.options.areas.reset();
            // The answers of the cars' checks are not shown: the picture is the answer.
            const Streams quiet { streams.in, Nowhere(), streams.err, streams.inputIsTerminal };
            const int batch = RunBatch(check, cars, quiet, [&](const Answered &answered) {
                CheckSameKind(content, answered.options);
                content.points.push_back(PointOf(answered.columns, answered.row));
            });
            if (batch == kBadInput)
                status = kBadInput;
        }

        try {
            const report::PaintingSession session;
            if (outputs.svg)
                Write("svg", *outputs.svg,
                    [&] { return report::ChartSvg(content, size.width, size.height); }, streams);
            if (outputs.png)
                Write("png", *outputs.png,
                    [&] { return report::ChartPng(content, size.width, size.height); }, streams);
        } catch (const rules::RunTimeError &error) {
            Refuse("areas",
                std::string("a load of the curve is beyond single precision (") + error.what()
                    + ")");
        }
        return status;
    }

private:
    template <class Painting>
    static void Write(std::string_view option, const std::string &path, Painting painting,
        const Streams &streams)
    {
        try {
            WriteOutputFile(path, painting(), streams.out);
        } catch (const report::RenderError &error) {
            Refuse(option, error.what());
        } catch (const OutputFileError &error) {
            Refuse(option, error.what());
        }
    }

    // A car of another type or class would be read against a curve not its own.
    static void CheckSameKind(const report::ChartContent &content, const Options &options)
    {
        const calc::ElevatorType type = TypeOf(options.type);
        if (type != content.type)
            Refuse("type",
                "the chart is of " + std::string(TypeName(content.type))
                    + " elevators; this car is " + std::string(TypeName(type)));
        const auto freightClass = ClassOf(options.freightClass, type);
        if (freightClass != content.freightClass)
            Refuse("class",
                "the chart is of class " + std::string(ClassName(*content.freightClass))
                    + "; this car is class " + std::string(ClassName(*freightClass)));
    }
};

const ChartCommand kCommand;
const bool kRegistered = RegisterCommand(kCommand, 5);

} // namespace

} // namespace ratedload::cli
