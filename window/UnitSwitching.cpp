// SPDX-License-Identifier: MIT
#include "window/MainForm.h"

#include "window/FormText.h"
#include "ui_MainForm.h"

using formtext::Twips;

namespace {

const QString kPassengerTipTail = QStringLiteral("and rounded down to the next whole number. ");

} // namespace

void MainForm::mnuImperial_Click()
{
    ui->mnuImperial->setChecked(true);
    ui->mnuMetric->setChecked(false);
    ImperialUnits = true;
    SetCaptionColour(ui->Option12, Qt::black);
    Deselect(ui->Option12);
    SetCaptionColour(ui->Option11, Qt::red);
    ui->Option11->setChecked(true);
    ClearImpEntries();
    ClearAnswers();
    LoadImperials();
    ui->Text2->clear();
    ui->LabelPass->setToolTip(
        QStringLiteral(" Minimum rated load divided by 160 pounds ") + kPassengerTipTail);
    SetFocusTo(ui->Text5);
    if (ui->Option8->isChecked() && ui->Option9->isChecked())
        Option9_Click();
}

void MainForm::mnuMetric_Click()
{
    ui->mnuMetric->setChecked(true);
    ui->mnuImperial->setChecked(false);
    ImperialUnits = false;
    SetCaptionColour(ui->Option12, Qt::red);
    ui->Option12->setChecked(true);
    SetCaptionColour(ui->Option11, Qt::black);
    Deselect(ui->Option11);
    ClearMetEntries();
    ClearAnswers();
    LoadMetrics();
    ui->Text2->clear();
    ui->LabelPass->setToolTip(
        QStringLiteral(" Minimum rated load divided by 72.5 kilograms ") + kPassengerTipTail);
    SetFocusTo(ui->Text5);
    if (ui->Option8->isChecked() && ui->Option9->isChecked())
        Option9_Click();
}

void MainForm::Option11_Click()
{
    SetCaptionColour(ui->Option11, Qt::red);
    ui->Option11->setChecked(true);
    SetCaptionColour(ui->Option12, Qt::black);
    Deselect(ui->Option12);
    mnuImperial_Click();
}

void MainForm::Option12_Click()
{
    SetCaptionColour(ui->Option11, Qt::black);
    Deselect(ui->Option11);
    SetCaptionColour(ui->Option12, Qt::red);
    ui->Option12->setChecked(true);
    mnuMetric_Click();
}

void MainForm::LoadImperials()
{
    Label1[7]->setText(QStringLiteral("Square Feet"));
    Label1[12]->setText(QStringLiteral("Square Feet"));
    Label1[9]->setText(QStringLiteral("Pounds"));
    Label1[0]->setText(QStringLiteral("Feet"));
    Label1[4]->setText(QStringLiteral("Feet"));
    C2[0]->show();
    C2[1]->show();
    C4[0]->hide();
    C4[1]->hide();
    C3[0]->show();
    C3[1]->show();
    C4[0]->setFocusPolicy(Qt::ClickFocus);
    C4[1]->setFocusPolicy(Qt::ClickFocus);
    C3[0]->setFocusPolicy(Qt::StrongFocus);
    C3[1]->setFocusPolicy(Qt::StrongFocus);
    Label1[1]->setText(QStringLiteral("Inches"));
    Label1[3]->setText(QStringLiteral("Inches"));
    Label1[1]->move(Twips(3480), Label1[1]->y());
    Label1[3]->move(Twips(3480), Label1[3]->y());
    TitleUnits = QStringLiteral(" Imperial - ");
    ComposeTitle();
    if (ui->Label5->isVisibleTo(this))
        ui->Label5->setText(QStringLiteral("Pounds"));
    SetFocusTo(ui->Text5);
    if (RatedLoadMode)
        mnuMRL_Click();
    else
        mnuMPA_Click();
}

void MainForm::LoadMetrics()
{
    Label1[7]->setText(QStringLiteral("Square Meters"));
    Label1[12]->setText(QStringLiteral("Square Meters"));
    Label1[9]->setText(QStringLiteral("Kilograms"));
    Label1[0]->setText(QStringLiteral("Meters"));
    Label1[4]->setText(QStringLiteral("Meters"));
    C2[0]->hide();
    C2[1]->hide();
    C3[0]->hide();
    C3[1]->hide();
    C4[0]->show();
    C4[1]->show();
    C4[0]->setFocusPolicy(Qt::StrongFocus);
    C4[1]->setFocusPolicy(Qt::StrongFocus);
    C3[0]->setFocusPolicy(Qt::ClickFocus);
    C3[1]->setFocusPolicy(Qt::ClickFocus);
    Label1[1]->setText(QStringLiteral("Millimeters"));
    Label1[3]->setText(QStringLiteral("Millimeters"));
    Label1[1]->move(Twips(4100), Label1[1]->y());
    Label1[3]->move(Twips(4100), Label1[3]->y());
    TitleUnits = QStringLiteral(" Metric - ");
    ComposeTitle();
    if (ui->Label5->isVisibleTo(this))
        ui->Label5->setText(QStringLiteral("Kilograms"));
    SetFocusTo(ui->Text5);
    if (RatedLoadMode)
        mnuMRL_Click();
    else
        mnuMPA_Click();
}
