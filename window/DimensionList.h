// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

class QKeyEvent;
class QString;
class QWheelEvent;

// An editable drop-down list of the dimension rows. Its current item is the
// item that reads as its text: the arrow keys, the wheel and the drop-down go
// on from what the list shows, not from the item last picked.
class DimensionList : public QComboBox {
    Q_OBJECT

public:
    explicit DimensionList(QWidget *parent = nullptr);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};

// Sets the text of a list from code: its change handler runs once when the
// text changes, no click handler runs, and its current item follows the text.
void SetListText(QComboBox *list, const QString &text);
