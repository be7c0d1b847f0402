// SPDX-License-Identifier: MIT
// ratedload-report: paints the calculation sheets and charts that
// ratedload-cli and the Python module ask for, on its standard input and
// output, for as long as they keep it open. It is started by them; it is
// the only program of the command line that loads Qt.

#include "report/Protocol.h"
#include "report/Report.h"

#include "rules/RunTimeError.h"

#include <cstdio>
#include <iostream>

namespace {

std::string Painted(const ratedload::report::Request &request)
{
    using namespace ratedload::report;
    if (const auto *sheet = std::get_if<Sheet>(&request))
        return SheetPdf(*sheet);
    const ChartRequest &chart = std::get<ChartRequest>(request);
    return chart.png ? ChartPng(chart.chart, chart.width, chart.height)
                     : ChartSvg(chart.chart, chart.width, chart.height);
}

} // namespace

int main(int argc, char **)
{
    using namespace ratedload::report;
    if (argc > 1) {
        std::fputs("ratedload-report paints the calculation sheets and charts of ratedload-cli, "
                   "which starts it; it takes no arguments\n",
            stderr);
        return 2;
    }
    std::ios::sync_with_stdio(false);
    const PaintingSession session;
    try {
        while (const std::optional<Request> request = ReadRequest(std::cin)) {
            try {
                std::cout << EncodeReply(Painted(*request));
            } catch (const ratedload::rules::RunTimeError &error) {
                std::cout << EncodeFailure("areas",
                    std::string("a load of the curve is beyond single precision (") + error.what()
                        + ")");
            } catch (const RenderError &error) {
                std::cout << EncodeFailure("", error.what());
            }
            std::cout.flush();
            if (!std::cout)
                return 1;
        }
    } catch (const ProtocolError &error) {
        std::fprintf(stderr, "ratedload-report: %s\n", error.what());
        return 2;
    }
    return 0;
}
