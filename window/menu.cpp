// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/about_box.h"
#include "dialogs/back_chooser.h"
#include "dialogs/statistics_window.h"
#include "platform/files.h"
#include "store/settings_file.h"
#include "window/help_viewer.h"
#include "window/main_window.h"
#include "window/table_view.h"

#include <QActionGroup>
#include <QDialog>
#include <QMenuBar>

namespace window
{

namespace
{

QAction* item(QMenu* menu, const char* objectName, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

void separator(QMenu* menu, const char* objectName)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(objectName));
}

QMenu* submenu(QWidget* parent, const char* objectName, const QString& caption)
{
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QString::fromLatin1(objectName));
    menu->menuAction()->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

} // namespace

void MainWindow::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* gameMenu = submenu(bar, "AGame", QStringLiteral("&Игра"));
    bar->addMenu(gameMenu);
    menu_.newGame = item(gameMenu, "ANew", QStringLiteral("&Сначала"));
    separator(gameMenu, "N1");
    menu_.statistics = item(gameMenu, "AResults", QStringLiteral("&Статистика..."));
    separator(gameMenu, "N2");
    QMenu* levelMenu = submenu(gameMenu, "ALevel", QStringLiteral("&Уровень сложности"));
    gameMenu->addMenu(levelMenu);
    menu_.lowLevel = item(levelMenu, "ALow", QStringLiteral("&Низкий"));
    menu_.highLevel = item(levelMenu, "AHigh", QStringLiteral("&Высокий"));
    separator(gameMenu, "N3");
    menu_.sound = item(gameMenu, "ASound", QStringLiteral("&Звук"));
    menu_.backs = item(gameMenu, "ARub", QStringLiteral("&Рубашка..."));
    separator(gameMenu, "N4");
    menu_.exit = item(gameMenu, "AExit", QStringLiteral("&Выход"));

    QMenu* helpMenu = submenu(bar, "ASpravka", QStringLiteral("&Справка"));
    bar->addMenu(helpMenu);
    menu_.help = item(helpMenu, "AHelp", QStringLiteral("&Вызов справки"));
    separator(helpMenu, "N5");
    menu_.about = item(helpMenu, "AAbout", QStringLiteral("&О программе..."));

    // The radio group keeps exactly one level checked; the checks follow the settings, and
    // whatever changes a check changes the setting.
    auto* levels = new QActionGroup(this);
    levels->setExclusive(true);
    for (QAction* radio : {menu_.lowLevel, menu_.highLevel}) {
        radio->setCheckable(true);
        levels->addAction(radio);
    }
    menu_.sound->setCheckable(true);
    showSettingsInMenu();
    connect(menu_.highLevel, &QAction::toggled, this,
            [this](bool high) { settings_.highLevel = high; });
    connect(menu_.sound, &QAction::toggled, this, [this](bool on) { settings_.sound = on; });

    connect(menu_.newGame, &QAction::triggered, this, &MainWindow::newGame);
    connect(menu_.statistics, &QAction::triggered, this, &MainWindow::showStatistics);
    connect(menu_.backs, &QAction::triggered, this, &MainWindow::chooseBack);
    connect(menu_.exit, &QAction::triggered, this, &MainWindow::close);
    connect(menu_.help, &QAction::triggered, this, &MainWindow::showHelp);
    connect(menu_.about, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::showSettingsInMenu()
{
    menu_.sound->setChecked(settings_.sound);
    (settings_.highLevel ? menu_.highLevel : menu_.lowLevel)->setChecked(true);
}

void MainWindow::showStatistics()
{
    if (!statisticsWindow_) {
        statisticsWindow_ = new dialogs::StatisticsWindow(game_.tally(), this);
        connect(statisticsWindow_, &dialogs::StatisticsWindow::resetRequested, this, [this] {
            game_.setTally({});
            settingsFile_.markTallyReset();
        });
    }
    statisticsWindow_->showTally();
}

void MainWindow::chooseBack()
{
    if (!backChooser_) {
        backChooser_ = new dialogs::BackChooser(this);
        connect(backChooser_, &dialogs::BackChooser::designPicked, this,
                &MainWindow::setBackDesign);
    }
    backChooser_->exec();
}

void MainWindow::setBackDesign(int design)
{
    settings_.leftBack = QStringLiteral("RubL%1").arg(design);
    settings_.rightBack = QStringLiteral("RubR%1").arg(design);
    pictures_.setBacks(settings_.leftBack, settings_.rightBack);
    tableView_->update();
}

void MainWindow::showAbout()
{
    if (!aboutBox_)
        aboutBox_ = new dialogs::AboutBox(this);
    aboutBox_->exec();
}

void MainWindow::showHelp()
{
    if (!helpViewer_)
        helpViewer_ = new HelpViewer(this);
    helpViewer_->showFile(platform::findGameFile(HelpViewer::FileName));
}

} // namespace window
