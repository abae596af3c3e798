// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: the least a Qt Widgets program does to show a
// window like the game's, a main window of the same size with the same two menus and
// nothing in them.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

namespace
{

// The game's table below its menu bar.
constexpr int TableWidth = 792;
constexpr int TableHeight = 526;

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.menuBar()->addMenu(QStringLiteral("&Игра"));
    window.menuBar()->addMenu(QStringLiteral("&Справка"));
    auto* table = new QWidget;
    table->setMinimumSize(TableWidth, TableHeight);
    window.setCentralWidget(table);
    window.resize(window.minimumSizeHint());
    window.show();
    return QApplication::exec();
}
