// SPDX-License-Identifier: MIT
#include "window/MainForm.h"

#include "window/FormText.h"
#include "ui_MainForm.h"

#include "calc/MaximumPlatformArea.h"

namespace calc = ratedload::calc;
using formtext::Text;

namespace {

const QString kPlatformTip = QStringLiteral(" The inside net platform area shall be determined at "
                                            "a point 36 in. (914mm) above the floor. ");

} // namespace

void MainForm::mnuMPA_Click()
{
    RatedLoadMode = false;
    ClearMetEntries();
    ClearImpEntries();
    ClearAnswers();
    ui->mnuMRL->setChecked(false);
    ui->mnuMPA->setChecked(true);
    Label1[10]->setText(QStringLiteral("Provide rated load:"));
    Label1[11]->hide();
    Label1[12]->setText(ImperialUnits ? QStringLiteral("Pounds") : QStringLiteral("Kilograms"));
    Label1[12]->setToolTip(QString());
    TitleMode = QStringLiteral("Maximum Platform Area");
    ui->Text5->clear();
    SetFocusTo(ui->Text5);
    ComposeTitle();
    ui->Command1->setToolTip(QStringLiteral(" Calculate maximum inside net platform area "));
    ClearPFLT();
    ClearTruckInfo();
    DimensionProgYes();
    NameEntriesForScreenReaders();
}

void MainForm::mnuMRL_Click()
{
    RatedLoadMode = true;
    ClearMetEntries();
    ClearImpEntries();
    ClearAnswers();
    ui->mnuMRL->setChecked(true);
    if (ui->Option8->isChecked())
        Option8_Click();
    if (ui->Option5->isChecked() || ui->Option6->isChecked())
        Option5_Click();
    ui->mnuMPA->setChecked(false);
    Label1[10]->setText(QStringLiteral("Provide platform:"));
    Label1[11]->show();
    Label1[12]->setText(
        ImperialUnits ? QStringLiteral("Square Feet") : QStringLiteral("Square Meters"));
    Label1[12]->setToolTip(kPlatformTip);
    TitleMode = QStringLiteral("Minimum Rated Load");
    ui->Text5->clear();
    SetFocusTo(ui->Text5);
    ComposeTitle();
    ui->Command1->setToolTip(QStringLiteral(" Calculate minimum rated load "));
    DimensionProgNo();
    NameEntriesForScreenReaders();
}

void MainForm::DimensionProgYes()
{
    Label1[13]->setText(QStringLiteral("Find depth or width...."));
    Label1[13]->setToolTip(QStringLiteral(" Provide the depth to find the width ")
        + QStringLiteral("and vice versa "));
    Label1[6]->setText(QStringLiteral("Maximum inside net platform area:"));
    Label1[8]->setEnabled(false);
    Label1[9]->setEnabled(false);
    ui->Text3->hide();
}

void MainForm::DimensionProgNo()
{
    Label1[13]->setText(QStringLiteral("Or...."));
    Label1[13]->setToolTip(QString());
    Label1[6]->setText(QStringLiteral("Inside net platform area:"));
    Label1[8]->setEnabled(true);
    Label1[9]->setEnabled(true);
    ui->Text3->show();
}

void MainForm::MaximumPlatformProg()
{
    calc::MaximumAreaEntries entries;
    entries.units = CurrentUnits();
    entries.type = SelectedType();
    entries.freightClass = SelectedFreightClass();
    entries.loadText = Text(ui->Text5);
    entries.areaShown = Text(ui->Text1);
    Perform(calc::MaximumPlatformArea(entries));
}
