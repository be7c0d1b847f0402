// SPDX-License-Identifier: MIT
#pragma once

// The calculator's one window.
//
// The fixed form (every control, caption, tooltip, position and start state)
// is MainForm.ui. The handlers and procedures live by concern:
//   MainForm.cpp            start-up, the event wiring, messages, focus, title
//   Accessibility.cpp       names of the entries and answers for screen readers
//   CalculateCommand.cpp    Calculate in the minimum-rated-load mode, the area
//                           and truck weight entries
//   CalculationSteps.cpp    the steps of the computing procedures (calc/),
//                           performed on the controls
//   ElevatorOptions.cpp     elevator type, freight class, the loaded truck
//   Clearing.cpp            clearing procedures, the Clear/Reset/Exit buttons,
//                           the events of the dimension lists
//   MaximumPlatformMode.cpp the Find menu and Calculate in the
//                           maximum-platform-area mode
//   FindDepthOrWidth.cpp    the missing side from the maximum area
// The figures and messages come from calc/, which computes them from the
// texts of the entries; the window reads its fields and performs the steps.
//   UnitSwitching.cpp       the Units menu and unit buttons
//
// Controls keep the names of the window's design:
//   Text5            the area entry; the rated load in the maximum-platform-area mode
//   Text2            the weight of the loaded truck
//   Text1            answer: the inside net platform area (the maximum area)
//   Text3            answer: the minimum rated load
//   Text4            answer: the maximum number of passengers
//   C1[i]..C4[i]     the dimension lists, i = 0 depth row, 1 width row:
//                    C1 feet or metres, C2 inches, C3 fraction of an inch, C4 millimetres
//   Option1/2/8      elevator type: Passenger, Freight, Freight / Passenger
//   Option3..7       freight class A, B, C1, C2, C3
//   Option9/10       "Does this freight elevator carry a loaded truck?" Yes / No
//   Option11/12      units: Imperial / Metric
//   Command1/4/2/3   Calculate, Reset All, Clear Answers, Exit
//   Label1[0..13]    captions and units; Label4/Label5 caption and unit of Text2,
//                    Label2 the truck question, LabelPass the passengers caption

#include "calc/Entries.h"
#include "calc/Messages.h"
#include "calc/MinimumRatedLoad.h"
#include "calc/Run.h"

#include "rules/Dimensions.h"
#include "rules/FreightLoad.h"
#include "rules/Units.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace Ui {
class MainForm;
}

class MainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit MainForm(QWidget *parent = nullptr);
    ~MainForm() override;

    bool isImperialUnits() const { return ImperialUnits; }
    bool isRatedLoadMode() const { return RatedLoadMode; }
    bool isDimensionFound() const { return DimensionFound; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using Handler = void (MainForm::*)();
    using ListHandler = void (MainForm::*)(int);

    // Start-up and wiring (MainForm.cpp).
    void Form_Load();
    void ConnectEvents();
    void OnSelected(QRadioButton *button, Handler handler);
    void OnMenu(QAction *item, Handler handler);
    void ConnectList(const std::array<QComboBox *, 2> &list, ListHandler change, ListHandler click,
        ListHandler gotFocus, ListHandler lostFocus);
    void ComposeTitle();
    void NameEntriesForScreenReaders();
    static void AnswerScreenReadersForTheLists();
    void ShowMessage(ratedload::calc::Message message);
    void SetFocusTo(QWidget *control);
    void RunFocusHandler(QWidget *control, bool gained);
    bool MoveAmongOptions(QRadioButton *from, int key);
    static void KeepTabStopOnSelected(QButtonGroup *group);
    static void Deselect(QAbstractButton *button);
    static void SetCaptionColour(QWidget *control, Qt::GlobalColor colour);

    // Calculate and the free-text entries (CalculateCommand.cpp).
    void Command1_Click();
    void Text5_Change();
    void Text2_Change();
    ratedload::calc::RatedLoadEntries ReadRatedLoadEntries() const;
    ratedload::rules::Units CurrentUnits() const;
    ratedload::calc::ElevatorType SelectedType() const;
    ratedload::rules::DimensionTexts ListTexts() const;
    std::optional<ratedload::rules::FreightClass> SelectedFreightClass() const;

    // Elevator type, class and loaded truck (ElevatorOptions.cpp).
    void Option1_Click();
    void Option1_MouseDown();
    void Option2_Click();
    void Option8_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Option9_Click();
    void Option10_Click();
    void PlainClassClick();
    void ShowTruckWeightRow();
    bool MaximumPlatformAreaMode() const;
    void ClearClasses();
    void ClearFreightOptions();
    void ClearTruckInfo();
    void ClearPFLT();

    // Clearing, the three buttons and the dimension lists (Clearing.cpp).
    void ClearAnswers();
    void ClearImpEntries();
    void ClearMetEntries();
    void ClearAllEntries();
    void ClearForDorW();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void C1_Change(int index);
    void C2_Change(int index);
    void C3_Change(int index);
    void C4_Change(int index);
    void C1_Click(int index);
    void C2_Click(int index);
    void C3_Click(int index);
    void C4_Click(int index);
    void C1_GotFocus(int index);
    void C2_GotFocus(int index);
    void C3_GotFocus(int index);
    void C4_GotFocus(int index);
    void C1_LostFocus(int index);
    void C2_LostFocus(int index);
    void C3_LostFocus(int index);
    void C4_LostFocus(int index);
    void DimensionEdited();
    static void ZeroIfNoNumber(QComboBox *member);

    // The maximum-platform-area mode (MaximumPlatformMode.cpp).
    void mnuMPA_Click();
    void mnuMRL_Click();
    void DimensionProgYes();
    void DimensionProgNo();
    void MaximumPlatformProg();

    // The missing side (FindDepthOrWidth.cpp).
    void CalculateDorW();

    // The computing procedures' steps on the controls (CalculationSteps.cpp);
    // false when a message or a run-time error ended the procedure.
    bool Perform(const ratedload::calc::Run &run);
    void WriteField(const ratedload::calc::Write &write);
    QWidget *ControlOf(ratedload::calc::Control control) const;

    // Units (UnitSwitching.cpp).
    void mnuImperial_Click();
    void mnuMetric_Click();
    void Option11_Click();
    void Option12_Click();
    void LoadImperials();
    void LoadMetrics();

    std::unique_ptr<Ui::MainForm> ui;

    // The control arrays of the design, by index.
    std::array<QLabel *, 14> Label1 {};
    std::array<QComboBox *, 2> C1 {};
    std::array<QComboBox *, 2> C2 {};
    std::array<QComboBox *, 2> C3 {};
    std::array<QComboBox *, 2> C4 {};

    // The focus handlers of each list array, to run them for a control.
    struct ListFocusHandlers {
        const std::array<QComboBox *, 2> *members;
        ListHandler gotFocus;
        ListHandler lostFocus;
    };
    std::vector<ListFocusHandlers> listFocusHandlers;

    bool ImperialUnits = true;
    bool RatedLoadMode = true;
    bool DimensionFound = false;
    bool SuppressAreaChange = false;
    QString TitleUnits;
    QString TitleMode;
};
