// SPDX-License-Identifier: MIT
#pragma once

#include "window/MainForm.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failures for Qt's strings.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '{';
    for (const QString &text : texts)
        *out << ' ' << '"' << text.toStdString() << '"';
    *out << " }";
}

// The three answers, Text1, Text3 and Text4, as the window shows them.
inline QStringList answersOf(const MainForm &form)
{
    QStringList texts;
    for (const char *name : { "Text1", "Text3", "Text4" })
        texts << form.findChild<QLineEdit *>(QString::fromLatin1(name))->text();
    return texts;
}

// A message box as the user saw it before pressing OK.
struct Message {
    QString title;
    QString text;
    bool hasIcon = false; // of the box, or on a button
    int buttonCount = 0;
    QString face; // the family its text is drawn in
};

// Drives a real MainForm as a person would. Every message box that opens is
// recorded and answered with OK, so that no test can hang on one.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    void openWindow(); // a new window in its start state, as at program start

    template <typename T> T *find(const char *name) const
    {
        T *control = form->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << "no control named " << name;
        return control;
    }
    QLineEdit *text(int n) const;
    QComboBox *list(const char *array, int index) const; // list("C3", 1)
    QLabel *label1(int index) const;
    QLabel *label(const char *name) const { return find<QLabel>(name); }
    QRadioButton *option(int n) const;
    QPushButton *command(int n) const;
    QAction *menu(const char *name) const { return find<QAction>(name); }

    // The user's actions.
    void typeInto(QWidget *control, const QString &keys); // clicks into it, then types
    void typeKeys(const QString &keys); // types where the focus is
    void clearAndType(QWidget *control, const QString &keys);
    void click(QWidget *control);
    void pick(QComboBox *list, const QString &item); // picks an item from the drop-down
    void pressEnter();
    void pressEscape();
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void choose(QAction *item); // from its menu
    void turnWheel(QWidget *control, int notches); // over the control, downwards when > 0

    void settle();
    QWidget *focused() const;
    bool hasFocus(QWidget *control) const;
    QStringList listTexts() const; // C1_0 C1_1 C2_0 C2_1 C3_0 C3_1 C4_0 C4_1
    QList<Message> takeMessages();

    std::unique_ptr<MainForm> form;
    QList<Message> messages;

private:
    QTimer answerer;
};

// Every window title ends in 19 blanks and the contact address.
const QString kTitleEnd = QString(19, u' ') + QStringLiteral("ratedload@vostrelle.example");

const QString kCalculateTitle = QStringLiteral("Minimum Rated Load");
const QString kAreaTitle = QStringLiteral("Maximum Inside Net Platform Area");
