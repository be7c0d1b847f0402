// SPDX-License-Identifier: MIT
#include "window/DimensionList.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace {

// Makes the item that reads as the list's text its current item, silently.
// Where no item does, the last pick is dropped only when something is about
// to go on from it: an editable list empties its entry when it loses its
// current item, and the text written back costs the entry its undo history.
void KeepCurrentItemInStep(QComboBox *list, bool dropUnmatched)
{
    QLineEdit *entry = list->lineEdit();
    if (!entry)
        return;
    const QString text = entry->text();
    const int item = list->findText(text);
    if (item == list->currentIndex() || (item < 0 && !dropUnmatched))
        return;
    const int cursor = entry->cursorPosition();
    const int start = entry->selectionStart();
    const auto selected = static_cast<int>(entry->selectedText().size());
    const QSignalBlocker quietList(list);
    const QSignalBlocker quietEntry(entry);
    list->setCurrentIndex(item);
    if (item < 0) {
        entry->setText(text);
        if (selected > 0 && cursor == start)
            entry->setSelection(start + selected, -selected);
        else if (selected > 0)
            entry->setSelection(start, selected);
        else
            entry->setCursorPosition(cursor);
    }
}

bool StepsThroughItems(const QKeyEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

DimensionList::DimensionList(QWidget *parent)
    : QComboBox(parent)
{
    // An editable combo box takes the focus from the wheel by default, before
    // the wheel event reaches it: a list under the pointer would then be
    // entered, and changed, without a click.
    setFocusPolicy(Qt::StrongFocus);
    connect(
        this, &QComboBox::editTextChanged, this, [this] { KeepCurrentItemInStep(this, false); });
}

void DimensionList::showPopup()
{
    KeepCurrentItemInStep(this, true);
    QComboBox::showPopup();
}

void DimensionList::keyPressEvent(QKeyEvent *event)
{
    if (StepsThroughItems(event))
        KeepCurrentItemInStep(this, true);
    QComboBox::keyPressEvent(event);
}

// The wheel changes only the list that holds the focus: a list changed under
// the pointer would not have been entered, and entering a list is what clears
// the rows after a found side.
void DimensionList::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    KeepCurrentItemInStep(this, true);
    QComboBox::wheelEvent(event);
}

void SetListText(QComboBox *list, const QString &text)
{
    list->setEditText(text);
    KeepCurrentItemInStep(list, true);
}
