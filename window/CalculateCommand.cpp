// SPDX-License-Identifier: MIT
#include "window/MainForm.h"

#include "window/FormText.h"
#include "ui_MainForm.h"

#include "calc/MinimumRatedLoad.h"

namespace calc = ratedload::calc;
namespace rules = ratedload::rules;
using formtext::Text;

void MainForm::Command1_Click()
{
    // A message or a run-time error ends the command; fields already written
    // keep their new text.
    if (!RatedLoadMode)
        MaximumPlatformProg();
    else if (!Perform(calc::MinimumRatedLoad(ReadRatedLoadEntries())))
        return;

    if (ui->mnuMRL->isChecked()) {
        SuppressAreaChange = true;
        ui->Text5->clear();
        SetFocusTo(ui->Text5);
        SuppressAreaChange = false;
    }
}

void MainForm::Text5_Change()
{
    if (SuppressAreaChange)
        return;
    ClearAnswers();
    ClearAllEntries();
}

void MainForm::Text2_Change()
{
    ClearAnswers();
}

calc::RatedLoadEntries MainForm::ReadRatedLoadEntries() const
{
    calc::RatedLoadEntries entries;
    entries.units = CurrentUnits();
    entries.type = SelectedType();
    entries.freightClass = SelectedFreightClass();
    entries.carriesTruck = ui->Option9->isChecked();
    entries.truckText = Text(ui->Text2);
    entries.areaText = Text(ui->Text5);
    entries.lists = ListTexts();
    return entries;
}

rules::Units MainForm::CurrentUnits() const
{
    return ImperialUnits ? rules::Units::Imperial : rules::Units::Metric;
}

// Passenger and Freight / Passenger are tested first: the freight rules apply
// whenever neither is selected.
calc::ElevatorType MainForm::SelectedType() const
{
    if (ui->Option1->isChecked())
        return calc::ElevatorType::Passenger;
    if (ui->Option8->isChecked())
        return calc::ElevatorType::FreightPassenger;
    return calc::ElevatorType::Freight;
}

rules::DimensionTexts MainForm::ListTexts() const
{
    return { Text(C1[0]), Text(C2[0]), Text(C3[0]), Text(C4[0]), Text(C1[1]), Text(C2[1]),
        Text(C3[1]), Text(C4[1]) };
}

std::optional<rules::FreightClass> MainForm::SelectedFreightClass() const
{
    if (ui->Option3->isChecked())
        return rules::FreightClass::A;
    if (ui->Option4->isChecked())
        return rules::FreightClass::B;
    if (ui->Option5->isChecked())
        return rules::FreightClass::C1;
    if (ui->Option6->isChecked())
        return rules::FreightClass::C2;
    if (ui->Option7->isChecked())
        return rules::FreightClass::C3;
    return std::nullopt;
}
