// SPDX-License-Identifier: MIT
#pragma once

// The texts of the window's fields as the load rules read and write them.

#include "window/DimensionList.h"

#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include <cmath>
#include <string>

namespace formtext {

inline std::string Text(const QLineEdit *box)
{
    return box->text().toStdString();
}

inline std::string Text(const QComboBox *list)
{
    return list->currentText().toStdString();
}

inline void SetText(QLineEdit *box, const std::string &text)
{
    box->setText(QString::fromStdString(text));
}

inline void SetText(QComboBox *list, const std::string &text)
{
    SetListText(list, QString::fromStdString(text));
}

// The design's positions are in twips, 15 to a pixel.
inline int Twips(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

} // namespace formtext
