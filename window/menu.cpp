#include "platform/files.h"
#include "window/help_viewer.h"
#include "window/image_control.h"
#include "window/tfrma.h"

#include <QActionGroup>
#include <QDialog>
#include <QMenuBar>

namespace window
{

namespace
{

QAction* item(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void separator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

QMenu* submenu(QWidget* parent, const char* name, const QString& caption)
{
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void TFrmA::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    AGame = submenu(bar, "AGame", QStringLiteral("&Игра"));
    bar->addMenu(AGame);
    ANew = item(AGame, "ANew", QStringLiteral("&Сначала"));
    separator(AGame, "N1");
    AResults = item(AGame, "AResults", QStringLiteral("&Статистика..."));
    separator(AGame, "N2");
    ALevel = submenu(AGame, "ALevel", QStringLiteral("&Уровень сложности"));
    AGame->addMenu(ALevel);
    ALow = item(ALevel, "ALow", QStringLiteral("&Низкий"));
    AHigh = item(ALevel, "AHigh", QStringLiteral("&Высокий"));
    separator(AGame, "N3");
    ASound = item(AGame, "ASound", QStringLiteral("&Звук"));
    ARub = item(AGame, "ARub", QStringLiteral("&Рубашка..."));
    separator(AGame, "N4");
    AExit = item(AGame, "AExit", QStringLiteral("&Выход"));

    ASpravka = submenu(bar, "ASpravka", QStringLiteral("&Справка"));
    bar->addMenu(ASpravka);
    AHelp = item(ASpravka, "AHelp", QStringLiteral("&Вызов справки"));
    separator(ASpravka, "N5");
    AAbout = item(ASpravka, "AAbout", QStringLiteral("&О программе..."));

    // The check marks are the settings themselves: nothing else keeps the level or the sound.
    // A click flips the sound's mark and the radio group keeps exactly one level checked, so
    // these three items need no handler of their own.
    auto* level = new QActionGroup(this);
    level->setExclusive(true);
    for (QAction* radio : {ALow, AHigh}) {
        radio->setCheckable(true);
        level->addAction(radio);
    }
    ALow->setChecked(true);
    ASound->setCheckable(true);
    ASound->setChecked(true);

    connect(ANew, &QAction::triggered, this, &TFrmA::ANewClick);
    connect(AResults, &QAction::triggered, this, &TFrmA::AResultsClick);
    connect(ARub, &QAction::triggered, this, &TFrmA::ARubClick);
    connect(AExit, &QAction::triggered, this, &TFrmA::AExitClick);
    connect(AHelp, &QAction::triggered, this, &TFrmA::AHelpClick);
    connect(AAbout, &QAction::triggered, this, &TFrmA::AAboutClick);
}

void TFrmA::ANewClick()
{
    for (auto* hands : {&gamers_, &johns_, &harrys_})
        for (ImageControl* image : *hands)
            image->show();
    NewGame(); // which empties the table list along with the cells
}

void TFrmA::AExitClick()
{
    close();
}

void TFrmA::AResultsClick()
{
    if (FrmD)
        FrmD->exec();
}

void TFrmA::ARubClick()
{
    if (FrmC)
        FrmC->exec();
}

void TFrmA::AAboutClick()
{
    if (FrmB)
        FrmB->exec();
}

void TFrmA::AHelpClick()
{
    if (!help_)
        help_ = new HelpViewer(this);
    help_->ShowFile(platform::FindGameFile(HelpViewer::FileName));
}

} // namespace window
