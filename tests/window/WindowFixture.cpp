// SPDX-License-Identifier: MIT
#include "tests/window/WindowFixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

void WindowTest::SetUp()
{
    openWindow();

    answerer.setInterval(1);
    QObject::connect(&answerer, &QTimer::timeout, &answerer, [this] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        const QList<QAbstractButton *> buttons = box->buttons();
        const bool buttonIcon = std::any_of(buttons.begin(), buttons.end(),
            [](const QAbstractButton *button) { return !button->icon().isNull(); });
        messages.append({ box->windowTitle(), box->text(),
            box->icon() != QMessageBox::NoIcon || buttonIcon, static_cast<int>(buttons.size()),
            QFontInfo(box->font()).family() });
        box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
    });
    answerer.start();
}

void WindowTest::openWindow()
{
    form = std::make_unique<MainForm>();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

// A message box that a test did not take and look at is one nobody expected.
void WindowTest::TearDown()
{
    answerer.stop();
    for (const Message &message : messages)
        ADD_FAILURE() << "a message box nobody expected: " << message.title.toStdString() << ": "
                      << message.text.toStdString();
    form.reset();
}

QLineEdit *WindowTest::text(int n) const
{
    return find<QLineEdit>(qPrintable(QStringLiteral("Text%1").arg(n)));
}

QComboBox *WindowTest::list(const char *array, int index) const
{
    return find<QComboBox>(
        qPrintable(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index)));
}

QLabel *WindowTest::label1(int index) const
{
    return find<QLabel>(qPrintable(QStringLiteral("Label1_%1").arg(index)));
}

QRadioButton *WindowTest::option(int n) const
{
    return find<QRadioButton>(qPrintable(QStringLiteral("Option%1").arg(n)));
}

QPushButton *WindowTest::command(int n) const
{
    return find<QPushButton>(qPrintable(QStringLiteral("Command%1").arg(n)));
}

// After a message box a desktop's window manager makes the window active
// again; the offscreen platform has none, so the fixture does it.
void WindowTest::settle()
{
    QCoreApplication::processEvents();
    if (QApplication::activeModalWidget() || form->isActiveWindow() || !form->isVisible())
        return;
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->isActiveWindow(); }, 2000))
        << "the window did not become active again";
}

void WindowTest::click(QWidget *control)
{
    QWidget *target = control;
    if (auto *box = qobject_cast<QComboBox *>(control); box && box->lineEdit())
        target = box->lineEdit();
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(8, target->height() / 2));
    settle();
}

void WindowTest::typeInto(QWidget *control, const QString &keys)
{
    click(control);
    typeKeys(keys);
}

void WindowTest::typeKeys(const QString &keys)
{
    QTest::keyClicks(QApplication::focusWidget(), keys);
    settle();
}

void WindowTest::clearAndType(QWidget *control, const QString &keys)
{
    click(control);
    // Not Ctrl+A: in this window that chooses the maximum-platform-area mode.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    typeKeys(keys);
}

void WindowTest::pick(QComboBox *list, const QString &item)
{
    const int index = list->findText(item);
    ASSERT_GE(index, 0) << "no item " << qPrintable(item);
    click(list);
    list->showPopup();
    QAbstractItemView *view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QRect cell = view->visualRect(view->model()->index(index, 0));
    view->scrollTo(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
        view->visualRect(view->model()->index(index, 0)).center());
    (void)cell;
    settle();
}

void WindowTest::pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
    QTest::keyClick(target, key, modifiers);
    settle();
}

void WindowTest::pressEnter()
{
    pressKey(Qt::Key_Return);
}

void WindowTest::pressEscape()
{
    pressKey(Qt::Key_Escape);
}

void WindowTest::choose(QAction *item)
{
    // As from the menu: the item reports its choice the way a click does.
    item->trigger();
    settle();
}

// QCoreApplication names this function its friend: what the windowing
// system delivers comes through it, and only such spontaneous events get
// the focus and parents a real wheel gets.
bool qt_sendSpontaneousEvent(QObject *receiver, QEvent *event)
{
    return QCoreApplication::sendSpontaneousEvent(receiver, event);
}

// One event a notch, to the widget under the pointer, as a person's wheel
// comes: Qt gives the focus to a list that takes it from the wheel, and
// passes on to the parents what the widget ignores.
void WindowTest::turnWheel(QWidget *control, int notches)
{
    const QPoint centre = control->rect().center();
    QWidget *target = control->childAt(centre) ? control->childAt(centre) : control;
    const QPoint global = control->mapToGlobal(centre);
    const QPoint notch(0, notches > 0 ? -120 : 120);
    for (int n = 0; n < std::abs(notches); ++n) {
        QWheelEvent wheel(target->mapFromGlobal(global), global, QPoint(), notch, Qt::NoButton,
            Qt::NoModifier, Qt::NoScrollPhase, false);
        qt_sendSpontaneousEvent(target, &wheel);
        settle();
    }
}

QWidget *WindowTest::focused() const
{
    return QApplication::focusWidget();
}

bool WindowTest::hasFocus(QWidget *control) const
{
    QWidget *now = QApplication::focusWidget();
    if (now == control)
        return true;
    auto *box = qobject_cast<QComboBox *>(control);
    return box && now == box->lineEdit();
}

QStringList WindowTest::listTexts() const
{
    QStringList texts;
    for (const char *array : { "C1", "C2", "C3", "C4" })
        for (int index = 0; index < 2; ++index)
            texts << list(array, index)->currentText();
    return texts;
}

QList<Message> WindowTest::takeMessages()
{
    QList<Message> taken = messages;
    messages.clear();
    return taken;
}
