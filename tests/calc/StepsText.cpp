// SPDX-License-Identifier: MIT
#include "tests/calc/StepsText.h"

namespace ratedload::calc::test {

namespace {

std::string NameOf(Message message)
{
    switch (message) {
    case Message::BothWaysGiven:
        return "BothWaysGiven";
    case Message::NoTruckWeight:
        return "NoTruckWeight";
    case Message::NoArea:
        return "NoArea";
    case Message::NoRatedLoad:
        return "NoRatedLoad";
    case Message::OnlyOneDimensionImperial:
        return "OnlyOneDimensionImperial";
    case Message::OnlyOneDimensionMetric:
        return "OnlyOneDimensionMetric";
    case Message::NoDimension:
        return "NoDimension";
    }
    return "?";
}

std::string NameOf(Field field)
{
    switch (field) {
    case Field::Area:
        return "area";
    case Field::Load:
        return "load";
    case Field::Passengers:
        return "passengers";
    case Field::Whole:
        return "whole";
    case Field::Inches:
        return "inches";
    case Field::Fraction:
        return "fraction";
    case Field::Millimetres:
        return "mm";
    }
    return "?";
}

std::string NameOf(Control control)
{
    switch (control) {
    case Control::AreaEntry:
        return "area";
    case Control::TruckEntry:
        return "truck";
    case Control::DepthList:
        return "depth";
    }
    return "?";
}

std::string TextOf(const Step &step)
{
    return std::visit(
        Overloaded {
            [](const Write &write) {
                const bool side = write.field != Field::Area && write.field != Field::Load
                    && write.field != Field::Passengers;
                const std::string row = write.row == Row::Depth ? "depth " : "width ";
                return (side ? row : std::string()) + NameOf(write.field) + " " + write.text;
            },
            [](const Show &show) { return "show " + NameOf(show.message); },
            [](const ClearAllEntries &) { return std::string("clear lists"); },
            [](const EmptyAreaEntry &) { return std::string("empty area"); },
            [](const MoveFocus &move) { return "focus " + NameOf(move.to); },
            [](const ShowPassengers &passengers) {
                return std::string(passengers.shown ? "passengers shown" : "passengers hidden");
            },
            [](const FindSide &) { return std::string("find side"); },
            [](const SideFound &) { return std::string("side found"); },
        },
        step);
}

} // namespace

std::string StepsText(const Run &run)
{
    std::string text;
    for (const Step &step : run.steps)
        text += (text.empty() ? "" : "; ") + TextOf(step);
    if (run.message)
        text += " | " + NameOf(*run.message);
    if (run.error)
        text += " | error";
    return text;
}

} // namespace ratedload::calc::test
