// SPDX-License-Identifier: MIT
#include "window/MainForm.h"

#include "window/FormText.h"
#include "ui_MainForm.h"

namespace calc = ratedload::calc;
using formtext::SetText;

// The steps come in the order the procedure took them; each change of text
// runs its control's change handler here, before the next step.
bool MainForm::Perform(const calc::Run &run)
{
    for (const calc::Step &step : run.steps) {
        std::visit(calc::Overloaded {
                       [this](const calc::Write &write) { WriteField(write); },
                       [this](const calc::Show &show) { ShowMessage(show.message); },
                       [this](const calc::ClearAllEntries &) { ClearAllEntries(); },
                       [this](const calc::EmptyAreaEntry &) { ui->Text5->clear(); },
                       [this](const calc::MoveFocus &move) { SetFocusTo(ControlOf(move.to)); },
                       [this](const calc::ShowPassengers &passengers) {
                           ui->LabelPass->setEnabled(passengers.shown);
                           ui->Text4->setVisible(passengers.shown);
                       },
                       [this](const calc::FindSide &) { CalculateDorW(); },
                       [this](const calc::SideFound &) { DimensionFound = true; },
                   },
            step);
    }
    return !run.Ended();
}

void MainForm::WriteField(const calc::Write &write)
{
    const int row = write.row == calc::Row::Depth ? 0 : 1;
    switch (write.field) {
    case calc::Field::Area:
        return SetText(ui->Text1, write.text);
    case calc::Field::Load:
        return SetText(ui->Text3, write.text);
    case calc::Field::Passengers:
        return SetText(ui->Text4, write.text);
    case calc::Field::Whole:
        return SetText(C1[row], write.text);
    case calc::Field::Inches:
        return SetText(C2[row], write.text);
    case calc::Field::Fraction:
        return SetText(C3[row], write.text);
    case calc::Field::Millimetres:
        return SetText(C4[row], write.text);
    }
}

QWidget *MainForm::ControlOf(calc::Control control) const
{
    switch (control) {
    case calc::Control::TruckEntry:
        return ui->Text2;
    case calc::Control::DepthList:
        return C1[0];
    case calc::Control::AreaEntry:
        break;
    }
    return ui->Text5;
}
