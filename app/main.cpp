// SPDX-License-Identifier: MIT
#include "window/MainForm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstring>

namespace {

void Describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Minimum rated load and maximum inside net platform area of elevator cars."));
    parser.addHelpOption();
    parser.addVersionOption();
}

// --help and --version need no window: they are answered before the window
// system is opened, so that they work without a display.
bool AsksForHelpOrVersion(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : { "-h", "--help", "--help-all", "-v", "--version" }) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral(RATEDLOAD_APP_NAME));
    QApplication::setApplicationVersion(QStringLiteral(RATEDLOAD_VERSION));
    QApplication::setOrganizationName(QStringLiteral(RATEDLOAD_ORGANIZATION));
    QApplication::setDesktopFileName(QStringLiteral(RATEDLOAD_APP_ID));
    if (AsksForHelpOrVersion(argc, argv)) {
        QCoreApplication terminal(argc, argv);
        QCommandLineParser parser;
        Describe(parser);
        parser.process(terminal); // prints and exits
        return 0;
    }
    QApplication app(argc, argv);
    // An unknown option is refused with a message rather than ignored.
    QCommandLineParser parser;
    Describe(parser);
    parser.process(app);
    MainForm window;
    window.show();
    return app.exec();
}
