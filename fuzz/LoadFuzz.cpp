// SPDX-License-Identifier: MIT
// The passenger and freight loads and the passenger count: no failure but
// the rules' own error; the loads agree with their formulas worked out here
// in double, and every text they give reads back by the strict rule to the
// value it was written for.

#include "rules/FreightLoad.h"
#include "fuzz/FuzzInput.h"
#include "rules/NumberText.h"
#include "rules/PassengerLoad.h"
#include "rules/RunTimeError.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>

namespace {

using namespace ratedload::rules;

constexpr double kSevenDigits = 5e-7; // half a unit of the 7th digit, relative
constexpr double kSingle = 0x1p-24; // half a unit of a float's last bit, relative
constexpr double kSmallestSingle = 0x1p-149;

struct Formula {
    double squared, linear, constant;
};

Formula PassengerFormula(Units units, float area)
{
    if (units == Units::Imperial)
        return area > 50.0f ? Formula { 0.0467, 125, -1367 } : Formula { 0.667, 66.7, 0 };
    return area > 4.65f ? Formula { 2.45, 610, -620 } : Formula { 35, 325, 0 };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const auto choice = input.Raw<std::uint8_t>();
    const auto area = input.Raw<float>();
    const Units units = choice & 1 ? Units::Metric : Units::Imperial;
    const auto freightClass = static_cast<FreightClass>((choice >> 1) % 5);
    const std::string truck = input.Text();
    const std::string loadText = input.Text();

    std::optional<std::string> count;
    AllowRunTimeError([&] { count = PassengerCount(units, loadText); });
    if (count) {
        const double passengers = StrictNumber(*count);
        FUZZ_CHECK(passengers == std::floor(passengers));
    }

    // The double error of the formula is bounded by its terms, which may cancel.
    const Formula f = PassengerFormula(units, area);
    const double a = area;
    const double expected = (f.squared * a + f.linear) * a + f.constant;
    const double terms
        = std::fabs(f.squared * a * a) + std::fabs(f.linear * a) + std::fabs(f.constant);
    std::optional<float> load;
    AllowRunTimeError([&] { load = PassengerLoad(units, area); });
    if (!load) {
        FUZZ_CHECK(!(std::fabs(expected) <= FLT_MAX));
    } else {
        FUZZ_CHECK(std::fabs(*load - expected)
            <= kSingle * std::fabs(expected) + 0x1p-49 * terms + kSmallestSingle);
        const double back = StrictNumber(SingleToText(*load));
        FUZZ_CHECK(std::fabs(back - *load) <= kSevenDigits * std::fabs(*load));
    }

    const bool truckClass = freightClass == FreightClass::C1 || freightClass == FreightClass::C2;
    std::optional<std::string> freight;
    AllowRunTimeError([&] {
        freight = FreightLoad(units, freightClass, area, truck);
        FUZZ_CHECK(freight || (truckClass && truck.empty()));
    });
    if (freight) {
        const bool motorVehicle = freightClass == FreightClass::B;
        const double rate
            = units == Units::Imperial ? (motorVehicle ? 30 : 50) : (motorVehicle ? 146 : 244);
        double heaviest = area * rate; // exact: at most 32 significant bits
        if (truckClass)
            heaviest = std::max(heaviest, ReadNumber(truck));
        FUZZ_CHECK(std::fabs(StrictNumber(*freight) - heaviest)
            <= (kSevenDigits + 2 * kSingle) * std::fabs(heaviest) + kSmallestSingle);
    }
    return 0;
}
