// SPDX-License-Identifier: MIT
#include "window/MainForm.h"

#include "window/FormText.h"
#include "ui_MainForm.h"

#include "rules/DepthOrWidth.h"
#include "rules/Dimensions.h"
#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

namespace rules = ratedload::rules;
using formtext::SetText;
using formtext::Text;

namespace {

const QString kTitle = QStringLiteral("Maximum Inside Net Platform Area");
const QString kOnlyOneDimensionImperial
    = QStringLiteral("        Please enter only one dimension.");
const QString kOnlyOneDimensionMetric = QStringLiteral("        Please enter only one dimension");
const QString kNoDimension = QStringLiteral("      Please enter the depth or the width.");

} // namespace

void MainForm::CalculateDorW()
{
    // A run-time error (a given side of 0, an overflow, an area that is no
    // number) ends the search silently; no side counts as found.
    try {
        float depth = 0;
        float width = 0;
        if (ImperialUnits) {
            depth = rules::SideInches(Text(C1[0]), Text(C2[0]), Text(C3[0]));
            width = rules::SideInches(Text(C1[1]), Text(C2[1]), Text(C3[1]));
        } else {
            depth = rules::SideMetres(Text(C1[0]), Text(C4[0]));
            width = rules::SideMetres(Text(C1[1]), Text(C4[1]));
        }

        switch (rules::MissingSide(depth, width)) {
        case rules::SideOutcome::BothGiven:
            if (ImperialUnits) {
                ShowMessage(kTitle, kOnlyOneDimensionImperial);
                ClearAllEntries();
            } else {
                ShowMessage(kTitle, kOnlyOneDimensionMetric);
            }
            return;
        case rules::SideOutcome::NoneGiven:
            ShowMessage(kTitle, kNoDimension);
            SetFocusTo(C1[0]);
            return;
        case rules::SideOutcome::DepthFound:
        case rules::SideOutcome::WidthFound:
            break;
        }

        const double area = rules::StrictNumber(Text(ui->Text1));
        const rules::FoundSide found = rules::DorWFromArea(CurrentUnits(), area, depth, width);
        const int row = found.outcome == rules::SideOutcome::DepthFound ? 0 : 1;
        SetText(C1[row], found.whole);
        if (ImperialUnits) {
            SetText(C2[row], found.inches);
            SetText(C3[row], found.fraction);
        } else {
            SetText(C4[row], found.millimetres);
        }
        DimensionFound = true;
    } catch (const rules::RunTimeError &) {
    }
}
