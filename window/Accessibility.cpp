// SPDX-License-Identifier: MIT
#include "window/MainForm.h"

#include "ui_MainForm.h"

#include <QAccessibleWidget>

namespace {

// On Linux, Qt names an editable list after the text in it and leaves its
// caption to label relations, which cannot join a row's caption with its
// unit; the dimension lists answer with the name the window gives them.
class AccessibleList : public QAccessibleWidget {
public:
    explicit AccessibleList(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto *list = static_cast<const QComboBox *>(widget());
        if (kind == QAccessible::Value)
            return list->currentText();
        if (kind == QAccessible::Name && !list->accessibleName().isEmpty())
            return list->accessibleName();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QStringList(showMenuAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == showMenuAction())
            static_cast<QComboBox *>(widget())->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *DimensionListAccessibility(const QString &className, QObject *object)
{
    auto *list = qobject_cast<QComboBox *>(object);
    if (className == QLatin1String("QComboBox") && list && list->window()->inherits("MainForm"))
        return new AccessibleList(list);
    return nullptr;
}

// A caption as it is read out: no access-key mark, no closing colon.
QString Spoken(const QLabel *caption)
{
    QString text = caption->text();
    text.remove(QLatin1Char('&'));
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

QString WithUnit(const QString &caption, const QLabel *unit)
{
    return unit->text().isEmpty() ? caption : caption + QStringLiteral(", ") + unit->text();
}

} // namespace

// Entries, lists and answers have no caption of their own; a screen reader
// names them by the caption of their row and its unit, as a person reads
// them off the window. Labels and buttons speak their own captions.
void MainForm::AnswerScreenReadersForTheLists()
{
    static const bool installed = (QAccessible::installFactory(&DimensionListAccessibility), true);
    Q_UNUSED(installed);
}

void MainForm::NameEntriesForScreenReaders()
{
    const QString area
        = Label1[11]->isVisibleTo(this) ? Spoken(Label1[11]) : QStringLiteral("Rated load");
    ui->Text5->setAccessibleName(WithUnit(area, Label1[12]));
    ui->Text2->setAccessibleName(
        WithUnit(QStringLiteral("Weight of the loaded truck"), ui->Label5));
    ui->Text1->setAccessibleName(WithUnit(Spoken(Label1[6]), Label1[7]));
    ui->Text3->setAccessibleName(WithUnit(Spoken(Label1[8]), Label1[9]));
    ui->Text4->setAccessibleName(Spoken(ui->LabelPass));

    for (int index = 0; index < 2; ++index) {
        const QString row = Spoken(Label1[index == 0 ? 2 : 5]);
        const QLabel *wholeUnits = Label1[index == 0 ? 0 : 4];
        const QLabel *thirdList = Label1[index == 0 ? 1 : 3];
        C1[index]->setAccessibleName(WithUnit(row, wholeUnits));
        C2[index]->setAccessibleName(row + QStringLiteral(", Inches"));
        C3[index]->setAccessibleName(row + QStringLiteral(", Fraction of an inch"));
        C4[index]->setAccessibleName(WithUnit(row, thirdList));
    }
}
