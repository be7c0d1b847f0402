// SPDX-License-Identifier: MIT
// The floor that the benchmark measures ratedload against: an empty main
// window with a menu bar, in the same toolkit.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Units"));
    window.menuBar()->addMenu(QStringLiteral("Fin&d"));
    window.resize(663, 686);
    window.show();
    return app.exec();
}
