// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/about_box.h"
#include "dialogs/back_chooser.h"
#include "dialogs/statistics_window.h"
#include "platform/files.h"
#include "store/settings_file.h"
#include "window/help_viewer.h"
#include "window/image_control.h"
#include "window/main_window.h"

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
    QAction* newGameAction = item(gameMenu, "ANew", QStringLiteral("&Сначала"));
    separator(gameMenu, "N1");
    QAction* statisticsAction = item(gameMenu, "AResults", QStringLiteral("&Статистика..."));
    separator(gameMenu, "N2");
    QMenu* levelMenu = submenu(gameMenu, "ALevel", QStringLiteral("&Уровень сложности"));
    gameMenu->addMenu(levelMenu);
    lowLevelAction_ = item(levelMenu, "ALow", QStringLiteral("&Низкий"));
    highLevelAction_ = item(levelMenu, "AHigh", QStringLiteral("&Высокий"));
    separator(gameMenu, "N3");
    soundAction_ = item(gameMenu, "ASound", QStringLiteral("&Звук"));
    QAction* backAction = item(gameMenu, "ARub", QStringLiteral("&Рубашка..."));
    separator(gameMenu, "N4");
    QAction* exitAction = item(gameMenu, "AExit", QStringLiteral("&Выход"));

    QMenu* helpMenu = submenu(bar, "ASpravka", QStringLiteral("&Справка"));
    bar->addMenu(helpMenu);
    QAction* helpAction = item(helpMenu, "AHelp", QStringLiteral("&Вызов справки"));
    separator(helpMenu, "N5");
    QAction* aboutAction = item(helpMenu, "AAbout", QStringLiteral("&О программе..."));

    // The check marks are the settings themselves: nothing else keeps the level or the sound.
    // A click flips the sound's mark and the radio group keeps exactly one level checked, so
    // these three items need no handler of their own.
    auto* levels = new QActionGroup(this);
    levels->setExclusive(true);
    for (QAction* radio : {lowLevelAction_, highLevelAction_}) {
        radio->setCheckable(true);
        levels->addAction(radio);
    }
    lowLevelAction_->setChecked(true);
    soundAction_->setCheckable(true);
    soundAction_->setChecked(true);

    connect(newGameAction, &QAction::triggered, this, &MainWindow::newGame);
    connect(statisticsAction, &QAction::triggered, this, &MainWindow::showStatistics);
    connect(backAction, &QAction::triggered, this, &MainWindow::chooseBack);
    connect(exitAction, &QAction::triggered, this, &MainWindow::close);
    connect(helpAction, &QAction::triggered, this, &MainWindow::showHelp);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::newGame()
{
    for (const auto* cards : {&handCards_, &johnBacks_, &harryBacks_})
        for (ImageControl* card : *cards)
            card->show();
    dealNewGame(); // which empties the table list along with the cells
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
    leftBackName_ = QStringLiteral("RubL%1").arg(design);
    rightBackName_ = QStringLiteral("RubR%1").arg(design);
    loadBacks();
    drawBacks();
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
