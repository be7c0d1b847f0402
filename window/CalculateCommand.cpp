// SPDX-License-Identifier: MIT
#include "window/MainForm.h"

#include "window/FormText.h"
#include "ui_MainForm.h"

#include "rules/Dimensions.h"
#include "rules/FreightLoad.h"
#include "rules/NumberText.h"
#include "rules/PassengerLoad.h"
#include "rules/RunTimeError.h"

#include <optional>

namespace rules = ratedload::rules;
using formtext::SetText;
using formtext::Text;

namespace {

const QString kTitle = QStringLiteral("Minimum Rated Load");
const QString kBothWaysGiven
    = QStringLiteral("Please enter the platform area or the depth and width ...but not both.");
const QString kNoTruckWeight
    = QStringLiteral("Did you make an entry in the truck weight text box?");
const QString kNoArea = QStringLiteral("Please enter the platform area or the depth and width.");

} // namespace

void MainForm::Command1_Click()
{
    // A run-time error ends the command at once, without a message; fields
    // already written keep their new text.
    try {
        if (!RatedLoadMode)
            MaximumPlatformProg();
        else if (!CalculateMinimumRatedLoad())
            return;

        if (ui->mnuMRL->isChecked()) {
            SuppressAreaChange = true;
            ui->Text5->clear();
            SetFocusTo(ui->Text5);
            SuppressAreaChange = false;
        }
    } catch (const rules::RunTimeError &) {
    }
}

// The steps of Calculate in the minimum-rated-load mode; false where a step
// ends the command.
bool MainForm::CalculateMinimumRatedLoad()
{
    const rules::Units units = CurrentUnits();

    const bool areaTyped = rules::AreaWasTyped(Text(ui->Text5));
    const bool dimensionsEntered = rules::DimensionsWereEntered(ListTexts());
    if (areaTyped && dimensionsEntered) {
        ShowMessage(kTitle, kBothWaysGiven);
        ClearAllEntries();
        SetFocusTo(ui->Text5);
    }

    float area = 0;
    if (rules::AreaWasTyped(Text(ui->Text5))) {
        ClearAllEntries();
        area = rules::TypedArea(Text(ui->Text5));
    } else if (ImperialUnits) {
        const float depth = rules::SideInches(Text(C1[0]), Text(C2[0]), Text(C3[0]));
        const float width = rules::SideInches(Text(C1[1]), Text(C2[1]), Text(C3[1]));
        area = rules::AreaFromSides(units, depth, width);
    } else {
        const float depth = rules::SideMetres(Text(C1[0]), Text(C4[0]));
        const float width = rules::SideMetres(Text(C1[1]), Text(C4[1]));
        area = rules::AreaFromSides(units, depth, width);
    }
    SetText(ui->Text1, rules::SingleToText(area));

    float load = 0;
    if (ui->Option1->isChecked() || ui->Option8->isChecked()) {
        load = rules::PassengerLoad(units, area);
        SetText(ui->Text3, rules::SingleToText(load));
    } else if (const std::optional<rules::FreightClass> freightClass = SelectedFreightClass()) {
        const std::optional<std::string> freightLoad
            = rules::FreightLoad(units, *freightClass, area, Text(ui->Text2));
        if (!freightLoad) {
            ShowMessage(kTitle, kNoTruckWeight);
            SetFocusTo(ui->Text2);
            return false;
        }
        SetText(ui->Text3, *freightLoad);
    }

    if (ui->Option1->isChecked() || ui->Option8->isChecked()) {
        if (ui->Option9->isChecked() && ui->Text2->text().isEmpty()) {
            ShowMessage(kTitle, kNoTruckWeight);
            SetFocusTo(ui->Text2);
            return false;
        }
        const double truckWeight = rules::ReadNumber(Text(ui->Text2));
        if (rules::ToSingle(truckWeight) > load) {
            SetText(ui->Text3, rules::DoubleToText(truckWeight));
            SetText(ui->Text4, rules::PassengerCount(units, Text(ui->Text2)));
        } else {
            SetText(ui->Text4, rules::PassengerCount(units, Text(ui->Text3)));
        }
    }

    if (rules::ReadNumber(Text(ui->Text5)) <= 0 && area <= 0) {
        ShowMessage(kTitle, kNoArea);
        ui->Text5->clear();
        SetFocusTo(ui->Text5);
        return false;
    }
    return true;
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

rules::Units MainForm::CurrentUnits() const
{
    return ImperialUnits ? rules::Units::Imperial : rules::Units::Metric;
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
