// SPDX-License-Identifier: MIT
#include "tests/window/WindowTestMain.h"

#include <QApplication>
#include <QProxyStyle>

#include <gtest/gtest.h>

#include <exception>

namespace {

int escapedExceptions = 0;

// Counts the exceptions that get out of a handler into the event loop,
// where a real run of the program would end.
class CheckedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &error) {
            ++escapedExceptions;
            ADD_FAILURE() << "an exception escaped a handler: " << error.what();
        } catch (...) {
            ++escapedExceptions;
            ADD_FAILURE() << "an exception escaped a handler";
        }
        return false;
    }
};

// The offscreen platform puts no icons on a dialog's buttons; a desktop's
// often does, as this style has it.
class DesktopStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
        QStyleHintReturn *returned) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

} // namespace

int EscapedExceptions()
{
    return escapedExceptions;
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CheckedApplication app(argc, argv);
    QApplication::setStyle(new DesktopStyle);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
