// SPDX-License-Identifier: MIT
#include "window/MainForm.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral(RATEDLOAD_APP_NAME));
    QApplication::setApplicationVersion(QStringLiteral(RATEDLOAD_VERSION));
    QApplication::setOrganizationName(QStringLiteral(RATEDLOAD_ORGANIZATION));
    QApplication::setDesktopFileName(QStringLiteral(RATEDLOAD_APP_ID));
    QApplication app(argc, argv);
    MainForm window;
    window.show();
    return app.exec();
}
