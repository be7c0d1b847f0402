// SPDX-License-Identifier: MIT
#include "tests/window/WindowTestMain.h"

#include <QApplication>

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
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
