// SPDX-License-Identifier: MIT
// chart: the code's minimum rated load against the inside net platform area
// for a type and class, as SVG or PNG, with cars checked and drawn as points.

#include "cli/Batch.h"
#include "cli/Command.h"
#include "cli/Painting.h"

#include "answers/Sheet.h"

#include "report/OutputFile.h"

namespace ratedload::cli {

namespace {

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
        if (outputs.svg && outputs.png && report::IsStandardOutput(*outputs.svg)
            && report::IsStandardOutput(*outputs.png))
            answers::Refuse("png", "standard output takes the SVG already; give the PNG a file");
        if (request.batch && streams.inputIsTerminal) {
            Say(streams.err,
                "--batch reads CSV lines from standard input; redirect a file or a pipe to it");
            return kBadInput;
        }
        answers::Entries entries = request.entries;
        entries.areas.reset();
        answers::ChartContent content = answers::ChartOf(entries, request.entries.areas);
        const auto [width, height] = answers::ChartSize(outputs.size);

        int status = kSuccess;
        for (const std::string &car : outputs.cars) {
            const answers::Entries checked = answers::CarOf(entries, car);
            try {
                content.points.push_back(answers::CarPoint(checked));
            } catch (const answers::Refusal &refusal) {
                Report(streams.err, "--car " + car, refusal, checked);
                return kBadInput;
            }
        }
        if (request.batch) {
            Request cars = request;
            cars.entries = entries;
            // The answers of the cars' checks are not shown: the picture is the answer.
            const Streams quiet { streams.in, Nowhere(), streams.err, streams.inputIsTerminal };
            const int batch
                = RunBatch(CarCommandNamed("check"), cars, quiet, [&](const Answered &answered) {
                      answers::CheckChartKind(content, answered.entries);
                      content.points.push_back(answered.answer.point);
                  });
            if (batch == kBadInput)
                status = kBadInput;
        }

        if (outputs.svg)
            PaintInto("svg", *outputs.svg, report::ChartRequest { content, width, height, false },
                streams.out);
        if (outputs.png)
            PaintInto("png", *outputs.png, report::ChartRequest { content, width, height, true },
                streams.out);
        return status;
    }
};

const ChartCommand kCommand;
const bool kRegistered = RegisterCommand(kCommand, 5);

} // namespace

} // namespace ratedload::cli
