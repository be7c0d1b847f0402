// SPDX-License-Identifier: MIT
#include "window/MainForm.h"

#include "window/FormText.h"
#include "ui_MainForm.h"

#include "rules/MaximumArea.h"
#include "rules/NumberText.h"
#include "rules/PassengerLoad.h"
#include "rules/RunTimeError.h"

namespace rules = ratedload::rules;
using formtext::SetText;
using formtext::Text;

namespace {

const QString kTitle = QStringLiteral("Maximum Inside Net Platform Area");
const QString kNoRatedLoad = QStringLiteral("             Please enter the rated load.");
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
    // A run-time error ends the procedure without a message and without the
    // search for the missing side; fields already written keep their text.
    try {
        if (Text1HoldsArea()) {
            CalculateDorW();
            return;
        }
        const QString ratedLoad = ui->Text5->text();
        if (ratedLoad == QStringLiteral("0") || ratedLoad.isEmpty()) {
            ShowMessage(kTitle, kNoRatedLoad);
            SetFocusTo(ui->Text5);
            return;
        }
        const bool carriesPassengers = ui->Option1->isChecked() || ui->Option8->isChecked();
        ui->LabelPass->setEnabled(carriesPassengers);
        ui->Text4->setVisible(carriesPassengers);
        WriteMaximumArea();
        if (Text1HoldsArea())
            CalculateDorW();
    } catch (const rules::RunTimeError &) {
    }
}

// An area stands in Text1 when its text sorts after "0" by character code:
// "0", a blank, a minus sign or a point in front do not count.
bool MainForm::Text1HoldsArea() const
{
    return ui->Text1->text() > QStringLiteral("0");
}

void MainForm::WriteMaximumArea()
{
    const rules::Units units = CurrentUnits();
    const std::string loadText = Text(ui->Text5);
    const double load = rules::ReadNumber(loadText);
    auto writeArea = [&](rules::AreaRule rule) {
        SetText(ui->Text1, rules::DoubleToText(*rules::MaximumArea(units, rule, load)));
    };

    if (ui->Option2->isChecked()
        && (ui->Option3->isChecked() || ui->Option5->isChecked() || ui->Option6->isChecked()
            || ui->Option7->isChecked()))
        writeArea(rules::AreaRule::ClassA);
    if (ui->Option4->isChecked())
        writeArea(rules::AreaRule::ClassB);
    if (ui->Option1->isChecked()) {
        writeArea(rules::AreaRule::Passenger);
        SetText(ui->Text4, rules::PassengerCount(units, loadText));
    }
    if (ui->Option8->isChecked()) {
        writeArea(rules::AreaRule::FreightPassenger);
        SetText(ui->Text4, rules::PassengerCount(units, loadText));
    }
}
