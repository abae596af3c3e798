// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start and close: the screen check, the window's place, and the settings
// and the tally carried from one run to the next through the settings file.
#include "window/session_end.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

constexpr std::uint32_t Seed = 3;
// What the first close writes: every key, with the sound on, the low level and the first backs.
const QString FreshFile =
    QStringLiteral("[Настройки]\r\nSound=True\r\nRubL=RubL1\r\nRubR=RubR1\r\n"
                   "WindowState=Normal\r\nLevel=Low\r\n[Статистика]\r\nGr=0\r\nJn=0\r\nHy=0\r\n"
                   "Matches=0\r\nVictOfGr=0\r\nVictOfJn=0\r\nVictOfHy=0\r\n");

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The window fills an 800 x 600 screen from its corner and stands in the middle of any
    // other; the first close writes every key. The 640 x 480 screen that is too small is the
    // real program's, in test_real_binary.sh.
    void theWindowIsPlaced_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("720 x 600") << QSize(720, 600) << QPoint(-40, 14);
        QTest::newRow("800 x 480") << QSize(800, 480) << QPoint(0, -46);
        QTest::newRow("800 x 600") << QSize(800, 600) << QPoint(0, 0);
        QTest::newRow("1024 x 768") << QSize(1024, 768) << QPoint(112, 98);
    }
    void theWindowIsPlaced()
    {
        QFETCH(QSize, screen);
        WindowFixture run(Seed, {}, screen);
        QVERIFY(run.desktop.boxes.isEmpty() && !run.desktop.quitAsked);
        QTEST(run.window.pos(), "place");
        // A fresh start plays with the sound on at the low level against the first backs.
        QVERIFY(run.menu().sound->isChecked() && run.menu().lowLevel->isChecked() &&
                run.backsShow(1));
        QFile::remove(run.settingsPath);
        run.window.close();
        QCOMPARE(run.settingsText(), FreshFile);
    }

    // What the file says is played, and what is played is written back in its place; the
    // player's own notes and keys stay.
    void settingsComeBackAsTheyWereLeft()
    {
        const QString kept = QStringLiteral("; мои заметки\n[Настройки]\nSound=False\n"
                                            "RubL=RubL5\nRubR=RubR5\nWindowState=Maximized\n"
                                            "Level=High\nЦвет=зелёный\n[Статистика]\nGr=10\n"
                                            "Jn=7\nHy=3\nMatches=6\nVictOfGr=3\nVictOfJn=2\n"
                                            "VictOfHy=1\n");
        WindowFixture run(Seed, kept);
        QVERIFY(run.desktop.boxes.isEmpty());
        QVERIFY(!run.menu().sound->isChecked() && run.menu().highLevel->isChecked() &&
                run.backsShow(5));
        QVERIFY(run.window.windowState() & Qt::WindowMaximized);
        QCOMPARE(run.game().tally(), (game::Tally{10, 7, 3, 6, 3, 2, 1}));
        run.window.close();
        QCOMPARE(run.settingsText(), kept);

        // A minimised window leaves the stored state alone; a changed level is written.
        WindowFixture again(Seed, kept);
        again.window.setWindowState(Qt::WindowMinimized);
        again.menu().lowLevel->trigger();
        again.window.close();
        QCOMPARE(again.settingsText(),
                 QString(kept).replace(QStringLiteral("Level=High"), QStringLiteral("Level=Low")));
    }

    // A bad counter is reported once, read as 0 and written back so, the rest read; back names
    // that name no design show the first design. A file that cannot be replaced at close is the
    // real program's, in test_real_binary.sh.
    void aBadCounterIsReportedOnce()
    {
        WindowFixture run(Seed, QStringLiteral("[Настройки]\r\nRubL=RubL9\r\nRubR=\r\n"
                                               "[Статистика]\r\nGr=abc\r\nJn=4\r\n"));
        QVERIFY(run.backsShow(1));
        run.window.close();
        QCOMPARE(run.desktop.boxes.size(), 1);
        QVERIFY(run.desktop.boxes.front().startsWith(QStringLiteral("Ошибка: Файл ")));
        QVERIFY(run.settingsText().contains(QStringLiteral("Gr=0\r\nJn=4\r\n")));
    }

    // A file the game leaves alone, too large to be its own, is reported at start only: at
    // close there is nothing to write, which is no failure.
    void aFileLeftAloneIsReportedOnlyAtStart()
    {
        const QString large = QStringLiteral("; ") + QString(1 << 20, u'x');
        WindowFixture run(Seed, large);
        QCOMPARE(run.desktop.boxes.size(), 1);
        run.window.close();
        QCOMPARE(run.desktop.boxes.size(), 1);
        QCOMPARE(run.settingsText(), large);
    }

    // A tally reset ("Обнулить") is written as it is, over the games another game that closed
    // meanwhile added.
    void aResetTallyIsWrittenAsItIs()
    {
        WindowFixture run(Seed, QStringLiteral("[Статистика]\r\nGr=3\r\nMatches=2\r\n"));
        run.writeSettings(QStringLiteral("[Статистика]\r\nGr=10\r\nMatches=6\r\n"));
        QTimer::singleShot(0, this, [] {
            QWidget* statistics = QApplication::activeModalWidget();
            for (QPushButton* button : statistics->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("Обнулить"))
                    QTest::mouseClick(button, Qt::LeftButton);
            statistics->close();
        });
        run.menu().statistics->trigger();
        run.window.close();
        QVERIFY(run.settingsText().contains(QStringLiteral("Gr=0\r\nMatches=0\r\n")));
    }

    // The session manager's request writes the file and leaves the window open; the session's
    // end quits the application, which closes the window as for a signal. No one may be there to
    // answer a box then, so a failure goes to the log. The quit stays with the application, so
    // this comes last.
    void aSaveNobodyWatchesShowsNoBox()
    {
        WindowFixture run(Seed);
        const window::SessionEndWatcher watcher(run.window);
        run.window.show();
        const auto block = [&run] {
            return QFile::remove(run.settingsPath) && QDir().mkdir(run.settingsPath);
        };
        QVERIFY(block());
        run.window.saveUnattended();
        QVERIFY(run.window.isVisible());
        QVERIFY(QDir().rmdir(run.settingsPath));
        run.window.saveUnattended();
        QCOMPARE(run.settingsText(), FreshFile);
        QVERIFY(block());
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
        QVERIFY(!run.window.isVisible());
        QCOMPARE(run.desktop.boxes, QStringList());
        QCOMPARE(run.desktop.log, QStringList(2, run.settingsFile.errorMessage()));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
