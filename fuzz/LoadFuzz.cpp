// SPDX-License-Identifier: MIT
// The passenger and freight loads and the passenger count: no failure but
// the rules' own error; every text they give reads back by the strict rule.

#include "rules/FreightLoad.h"
#include "fuzz/FuzzInput.h"
#include "rules/NumberText.h"
#include "rules/PassengerLoad.h"
#include "rules/RunTimeError.h"

#include <cmath>

using namespace ratedload::rules;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const auto choice = input.Raw<std::uint8_t>();
    const auto area = input.Raw<float>();
    const Units units = choice & 1 ? Units::Metric : Units::Imperial;
    const auto freightClass = static_cast<FreightClass>((choice >> 1) % 5);
    const std::string truck = input.Text();
    const std::string loadText = input.Text();

    AllowRunTimeError([&] {
        const std::string count = PassengerCount(units, loadText);
        const double passengers = StrictNumber(count);
        FUZZ_CHECK(passengers == std::floor(passengers));
    });
    if (std::isnan(area))
        return 0;
    AllowRunTimeError([&] {
        const float load = PassengerLoad(units, area);
        FUZZ_CHECK(!std::isnan(load));
        (void)StrictNumber(SingleToText(load));
    });
    AllowRunTimeError([&] {
        const std::optional<std::string> load = FreightLoad(units, freightClass, area, truck);
        const bool truckClass
            = freightClass == FreightClass::C1 || freightClass == FreightClass::C2;
        FUZZ_CHECK(load.has_value() || (truckClass && truck.empty()));
        if (load)
            (void)StrictNumber(*load);
    });
    return 0;
}
