// SPDX-License-Identifier: MIT
#include "window/MainForm.h"

#include "window/DimensionList.h"
#include "window/FormText.h"
#include "ui_MainForm.h"

#include "rules/NumberText.h"

namespace rules = ratedload::rules;

namespace {

const QString kZero = QStringLiteral("0");

} // namespace

void MainForm::ClearAnswers()
{
    ui->Text1->clear();
    ui->Text3->clear();
    ui->Text4->clear();
}

void MainForm::ClearImpEntries()
{
    for (QComboBox *member : { C1[0], C1[1], C2[0], C2[1], C3[0], C3[1] })
        SetListText(member, kZero);
    ui->Text5->clear();
}

void MainForm::ClearMetEntries()
{
    for (QComboBox *member : { C1[0], C1[1], C4[0], C4[1] })
        SetListText(member, kZero);
    ui->Text5->clear();
}

void MainForm::ClearAllEntries()
{
    for (QComboBox *member : { C1[0], C1[1], C2[0], C2[1], C3[0], C3[1], C4[0], C4[1] })
        SetListText(member, kZero);
}

// Entering a list while a found side is on show starts the next question.
void MainForm::ClearForDorW()
{
    if (!RatedLoadMode && DimensionFound) {
        ClearAllEntries();
        DimensionFound = false;
        SetFocusTo(C1[0]);
    }
}

void MainForm::Command2_Click()
{
    ClearAnswers();
    SetFocusTo(ui->Text5);
}

void MainForm::Command3_Click()
{
    close();
}

void MainForm::Command4_Click()
{
    ClearAnswers();
    ClearImpEntries();
    ClearMetEntries();
    ui->Text2->clear();
    SetFocusTo(ui->Text5);
}

// The four lists share their handlers; the index names the row.
void MainForm::C1_Change(int)
{
    DimensionEdited();
}
void MainForm::C2_Change(int)
{
    DimensionEdited();
}
void MainForm::C3_Change(int)
{
    DimensionEdited();
}
void MainForm::C4_Change(int)
{
    DimensionEdited();
}
void MainForm::C1_Click(int)
{
    DimensionEdited();
}
void MainForm::C2_Click(int)
{
    DimensionEdited();
}
void MainForm::C3_Click(int)
{
    DimensionEdited();
}
void MainForm::C4_Click(int)
{
    DimensionEdited();
}
void MainForm::C1_GotFocus(int)
{
    ClearForDorW();
}
void MainForm::C2_GotFocus(int)
{
    ClearForDorW();
}
void MainForm::C3_GotFocus(int)
{
    ClearForDorW();
}
void MainForm::C4_GotFocus(int)
{
    ClearForDorW();
}
void MainForm::C1_LostFocus(int index)
{
    ZeroIfNoNumber(C1[index]);
}
void MainForm::C2_LostFocus(int index)
{
    ZeroIfNoNumber(C2[index]);
}
void MainForm::C3_LostFocus(int index)
{
    ZeroIfNoNumber(C3[index]);
}
void MainForm::C4_LostFocus(int index)
{
    ZeroIfNoNumber(C4[index]);
}

// While a load is found from the platform, no answer may stay on show that
// no longer matches the dimensions.
void MainForm::DimensionEdited()
{
    if (ui->mnuMRL->isChecked())
        ClearAnswers();
}

// A dimension left without a number reads "0"; anything else stays as typed.
void MainForm::ZeroIfNoNumber(QComboBox *member)
{
    if (rules::ReadNumber(formtext::Text(member)) == 0)
        SetListText(member, kZero);
}
