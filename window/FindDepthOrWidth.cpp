// SPDX-License-Identifier: MIT
#include "window/MainForm.h"

#include "window/FormText.h"
#include "ui_MainForm.h"

#include "calc/MissingSide.h"

namespace calc = ratedload::calc;

void MainForm::CalculateDorW()
{
    calc::SideEntries entries;
    entries.units = CurrentUnits();
    entries.areaText = formtext::Text(ui->Text1);
    entries.lists = ListTexts();
    Perform(calc::MissingSide(entries));
}
