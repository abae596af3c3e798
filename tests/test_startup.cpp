// The main window's start and close: the screen check, the window's place, and the settings
// and the tally carried from one run to the next through the settings file.
#include "assets/pictures.h"
#include "counting_sound.h"
#include "fake_desktop.h"
#include "store/settings_file.h"
#include "window/image_control.h"
#include "window/main_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

namespace
{

constexpr std::uint32_t Seed = 3;
const QString ScreenMessage = QStringLiteral(
    "Информация: Для работы программы требуется разрешение экрана не менее, чем 800х600 пикселей.");

// One run of the game in a folder of its own: made, looked at, closed.
struct Run {
    explicit Run(const QString& folder, QSize screen = {1024, 768}) : file(folder, folder)
    {
        desktop.screen = screen;
        window = std::make_unique<window::MainWindow>(desktop, sound, file, Seed);
    }
    QAction* action(const char* name) const
    {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }
    bool checked(const char* name) const { return action(name)->isChecked(); }

    FakeDesktop desktop;
    CountingSound sound;
    store::SettingsFile file;
    std::unique_ptr<window::MainWindow> window;
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray windows1251(const QString& text)
{
    QStringEncoder encode("windows-1251");
    return encode(text);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theScreenIsCheckedAndTheWindowPlaced_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("tooSmall");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("640 x 480") << QSize(640, 480) << true << QPoint(-80, -46);
        QTest::newRow("720 x 600") << QSize(720, 600) << false << QPoint(-40, 14);
        QTest::newRow("800 x 480") << QSize(800, 480) << false << QPoint(0, -46);
        QTest::newRow("800 x 600") << QSize(800, 600) << false << QPoint(0, 0);
        QTest::newRow("1024 x 768") << QSize(1024, 768) << false << QPoint(112, 98);
    }
    void theScreenIsCheckedAndTheWindowPlaced()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, tooSmall);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Param.ini"));
        {
            Run run(folder.path(), screen);
            QCOMPARE(run.desktop.boxes, tooSmall ? QStringList{ScreenMessage} : QStringList{});
            QCOMPARE(run.desktop.quitAsked, tooSmall);
            QTEST(run.window->pos(), "place");
            QFile::remove(path);
            run.window->close();
        }
        // A game that ends before it is played writes nothing.
        QCOMPARE(QFile::exists(path), !tooSmall);
    }

    // A fresh start plays with the sound on at the low level against the first backs, and the
    // first close writes every key.
    void aFreshStartWritesTheDefaults()
    {
        QTemporaryDir folder;
        Run run(folder.path());
        QVERIFY(run.desktop.boxes.isEmpty());
        QVERIFY(run.checked("ASound") && run.checked("ALow") && !run.checked("AHigh"));
        const auto* john = run.window->findChild<window::ImageControl*>(QStringLiteral("John1"));
        QCOMPARE(
            john->picture(),
            assets::loadPicture(QStringLiteral("RubL1")).convertToFormat(QImage::Format_RGB32));
        run.window->close();
        QCOMPARE(readFile(folder.filePath(QStringLiteral("Param.ini"))),
                 windows1251(QStringLiteral("[Настройки]\r\nSound=True\r\nRubL=RubL1\r\n"
                                            "RubR=RubR1\r\nWindowState=Normal\r\nLevel=Low\r\n"
                                            "[Статистика]\r\nGr=0\r\nJn=0\r\nHy=0\r\nMatches=0\r\n"
                                            "VictOfGr=0\r\nVictOfJn=0\r\nVictOfHy=0\r\n")));
    }

    // What the file says is played, and what is played is written back in its place; the
    // player's own notes and keys stay.
    void settingsComeBackAsTheyWereLeft()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Param.ini"));
        const QString kept = QStringLiteral("; мои заметки\n[Настройки]\nSound=False\n"
                                            "RubL=RubL5\nRubR=RubR5\nWindowState=Maximized\n"
                                            "Level=High\nЦвет=зелёный\n[Статистика]\nGr=10\n"
                                            "Jn=7\nHy=3\nMatches=6\nVictOfGr=3\nVictOfJn=2\n"
                                            "VictOfHy=1\n");
        writeFile(path, windows1251(kept));
        {
            Run run(folder.path());
            QVERIFY(run.desktop.boxes.isEmpty());
            QVERIFY(!run.checked("ASound") && run.checked("AHigh"));
            QVERIFY(run.window->windowState() & Qt::WindowMaximized);
            QCOMPARE(run.window->game().tally(), (game::Tally{10, 7, 3, 6, 3, 2, 1}));
            const auto* harry =
                run.window->findChild<window::ImageControl*>(QStringLiteral("Harry12"));
            QCOMPARE(
                harry->picture(),
                assets::loadPicture(QStringLiteral("RubR5")).convertToFormat(QImage::Format_RGB32));
            run.window->close();
        }
        QCOMPARE(readFile(path), windows1251(kept));

        // A minimised window leaves the stored state alone; a changed level is written.
        {
            Run run(folder.path());
            run.window->setWindowState(Qt::WindowMinimized);
            run.action("ALow")->trigger();
            run.window->close();
        }
        QCOMPARE(readFile(path), windows1251(QString(kept).replace(QStringLiteral("Level=High"),
                                                                   QStringLiteral("Level=Low"))));
    }

    // A back name that names no design shows the first design, and the game is dealt.
    void unknownBacksShowTheFirstDesign()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath(QStringLiteral("Param.ini")),
                  windows1251(QStringLiteral("[Настройки]\nRubL=RubL9\nRubR=\n")));
        Run run(folder.path());
        QVERIFY(run.desktop.boxes.isEmpty());
        for (const auto& [back, first] : {std::pair{"John7", "RubL1"}, {"Harry7", "RubR1"}}) {
            const auto* image =
                run.window->findChild<window::ImageControl*>(QString::fromLatin1(back));
            QCOMPARE(image->picture(), assets::loadPicture(QString::fromLatin1(first))
                                           .convertToFormat(QImage::Format_RGB32));
        }
        QVERIFY(game::hasCards(run.window->game().hand(game::Player::Human)));
    }

    // A bad counter is shown once and read as 0; everything else is read, and the file gets
    // the good values back at close.
    void aBadFileIsReportedOnce()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Param.ini"));
        writeFile(path, windows1251(QStringLiteral(
                            "[Статистика]\r\nGr=abc\r\nJn=4\r\nMatches=2\r\nVictOfJn=2\r\n")));
        {
            Run run(folder.path());
            QCOMPARE(run.desktop.boxes,
                     QStringList{QStringLiteral("Ошибка: Файл %1/Param.ini содержит ошибочные "
                                                "данные. Чтобы избежать дальнейших ошибок, "
                                                "удалите его.")
                                     .arg(QDir::toNativeSeparators(folder.path()))});
            QCOMPARE(run.window->game().tally(),
                     (game::Tally{.johnPoints = 4, .gamesPlayed = 2, .johnFirstPlaces = 2}));
            run.window->close();
            QCOMPARE(run.desktop.boxes.size(), 1);
        }
        QVERIFY(readFile(path).contains("Gr=0\r\nJn=4\r\n"));
    }

    // The file cannot be replaced at close (here something made a folder of its name): the
    // box says so, and what is there stays.
    void aFailedWriteIsReported()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Param.ini"));
        Run run(folder.path());
        QVERIFY(run.desktop.boxes.isEmpty());
        QVERIFY(QFile::remove(path) && QDir(folder.path()).mkdir(QStringLiteral("Param.ini")));
        run.window->close();
        QCOMPARE(run.desktop.boxes.size(), 1);
        QVERIFY(run.desktop.boxes.front().startsWith(QStringLiteral("Ошибка: Файл ")));
        QVERIFY(QFileInfo(path).isDir());
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
