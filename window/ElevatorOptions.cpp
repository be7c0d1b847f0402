// SPDX-License-Identifier: MIT
#include "window/MainForm.h"

#include "ui_MainForm.h"

void MainForm::Option1_Click()
{
    ClearClasses();
    ClearFreightOptions();
    ClearAnswers();
    ClearTruckInfo();
    ui->LabelPass->setEnabled(true);
    ui->Text4->show();
    SetFocusTo(ui->Text5);
    if (MaximumPlatformAreaMode())
        ClearAllEntries();
}

void MainForm::Option1_MouseDown()
{
    ClearPFLT();
    if (MaximumPlatformAreaMode())
        ClearAllEntries();
}

void MainForm::Option2_Click()
{
    for (QRadioButton *freightClass :
        { ui->Option3, ui->Option4, ui->Option5, ui->Option6, ui->Option7 })
        freightClass->setEnabled(true);
    ui->Option3->setChecked(true);
    ui->LabelPass->setEnabled(false);
    ui->Text4->hide();
    SetFocusTo(ui->Text5);
    ClearAnswers();
    ClearPFLT();
    if (MaximumPlatformAreaMode())
        ClearAllEntries();
}

void MainForm::Option8_Click()
{
    if (RatedLoadMode) {
        ui->Label2->show();
        ui->Option9->show();
        ui->Option10->show();
    }
    Option1_Click();
}

void MainForm::Option3_Click()
{
    PlainClassClick();
}

void MainForm::Option4_Click()
{
    PlainClassClick();
}

// Class C1: the weight of the loaded truck is asked for.
void MainForm::Option5_Click()
{
    ClearAnswers();
    if (RatedLoadMode)
        ShowTruckWeightRow();
    if (MaximumPlatformAreaMode()) {
        ClearAllEntries();
        SetFocusTo(ui->Text5);
    }
}

void MainForm::Option6_Click()
{
    Option5_Click();
}

void MainForm::Option7_Click()
{
    PlainClassClick();
}

void MainForm::Option9_Click()
{
    ShowTruckWeightRow();
}

void MainForm::Option10_Click()
{
    ClearTruckInfo();
    SetFocusTo(ui->Text5);
}

// Classes A, B and C3 take no truck weight.
void MainForm::PlainClassClick()
{
    ClearAnswers();
    ClearTruckInfo();
    SetFocusTo(ui->Text5);
    if (MaximumPlatformAreaMode())
        ClearAllEntries();
}

void MainForm::ShowTruckWeightRow()
{
    ui->Label4->setText(QStringLiteral("Weight of the loaded truck:"));
    ui->Label5->setText(ImperialUnits ? QStringLiteral("Pounds") : QStringLiteral("Kilograms"));
    ui->Text2->show();
    ui->Label4->show();
    ui->Label5->show();
    ui->Text2->clear();
    NameEntriesForScreenReaders();
    SetFocusTo(ui->Text2);
}

bool MainForm::MaximumPlatformAreaMode() const
{
    return ui->mnuMPA->isChecked();
}

void MainForm::ClearClasses()
{
    for (QRadioButton *freightClass :
        { ui->Option3, ui->Option4, ui->Option5, ui->Option6, ui->Option7 })
        freightClass->setEnabled(false);
}

void MainForm::ClearFreightOptions()
{
    for (QRadioButton *freightClass :
        { ui->Option3, ui->Option4, ui->Option5, ui->Option6, ui->Option7 })
        Deselect(freightClass);
}

void MainForm::ClearTruckInfo()
{
    ui->Label4->hide();
    ui->Label5->hide();
    ui->Text2->clear();
    ui->Text2->hide();
}

void MainForm::ClearPFLT()
{
    ui->Label2->hide();
    ui->Option9->hide();
    ui->Option10->setChecked(true);
    ui->Option10->hide();
}
