// SPDX-License-Identifier: MIT
// Prints the minimum rated load of a passenger car of 50 sq ft, once from the
// rules and once from the calculation, as the window writes it.
#include <ratedload/calc/MinimumRatedLoad.h>
#include <ratedload/rules/NumberText.h>
#include <ratedload/rules/PassengerLoad.h>

#include <iostream>
#include <variant>

int main()
{
    namespace rules = ratedload::rules;
    namespace calc = ratedload::calc;

    std::cout << "rules "
              << rules::SingleToText(rules::PassengerLoad(rules::Units::Imperial, 50.0f)) << '\n';

    calc::RatedLoadEntries entries;
    entries.areaText = "50";
    for (const calc::Step &step : calc::MinimumRatedLoad(entries).steps) {
        if (const auto *write = std::get_if<calc::Write>(&step);
            write && write->field == calc::Field::Load)
            std::cout << "calc " << write->text << '\n';
    }
    return 0;
}
