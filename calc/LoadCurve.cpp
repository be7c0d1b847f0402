// SPDX-License-Identifier: MIT
#include "calc/LoadCurve.h"

#include "rules/PassengerLoad.h"
#include "rules/RunTimeError.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ratedload::calc {

LoadCurve LoadCurveOf(rules::Units units, ElevatorType type,
    std::optional<rules::FreightClass> freightClass, double from, double to, int samples)
{
    const int steps = std::max(samples, 1);
    std::vector<float> areas;
    areas.reserve(static_cast<std::size_t>(steps) + 3);
    for (int i = 0; i <= steps; ++i)
        areas.push_back(rules::ToSingle(from + (to - from) * i / steps));

    LoadCurve curve;
    const bool passengers = CarriesPassengers(type);
    const float threshold = rules::PassengerThreshold(units);
    const float first = areas.front();
    const float last = areas.back();
    if (passengers && threshold >= first && threshold <= last) {
        curve.threshold = threshold;
        areas.push_back(threshold);
        const float above = std::nextafter(threshold, std::numeric_limits<float>::infinity());
        if (above <= last)
            areas.push_back(above);
        std::sort(areas.begin(), areas.end());
        areas.erase(std::unique(areas.begin(), areas.end()), areas.end());
    }

    const rules::FreightClass rate = freightClass.value_or(rules::FreightClass::A);
    std::vector<CurvePoint> piece;
    bool pieceAbove = false;
    for (const float area : areas) {
        const bool above = passengers && area > threshold;
        if (above != pieceAbove && !piece.empty()) {
            curve.pieces.push_back(std::move(piece));
            piece.clear();
        }
        pieceAbove = above;
        const float load
            = passengers ? rules::PassengerLoad(units, area) : rules::ClassLoad(units, rate, area);
        piece.push_back({ area, load });
    }
    if (!piece.empty())
        curve.pieces.push_back(std::move(piece));
    return curve;
}

} // namespace ratedload::calc
