// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/command_line.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/interface_font.h"
#include "platform/multimedia_sound.h"
#include "platform/random_seed.h"
#include "platform/termination_signals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontInfo>
#include <QLibrary>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

// Long enough for a second signal, had it been caught, to reach the event loop.
constexpr int SettleTime = 100;

class TestPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The sound and the help sit beside the executable; a copy in the current directory wins,
    // a folder of the same name there does not, and a game started from elsewhere still finds
    // them.
    void gameFilesAreFoundHereFirstThenBesideTheProgram()
    {
        const QString before = QDir::currentPath();
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        for (const QString name : {"Put.wav", "help.html"}) {
            const QString besideProgram =
                QDir(QCoreApplication::applicationDirPath()).filePath(name);
            QCOMPARE(platform::findGameFile(name), besideProgram);
            QVERIFY(QDir().mkdir(name));
            QCOMPARE(platform::findGameFile(name), besideProgram);
            QVERIFY(QDir().rmdir(name) && QFile(name).open(QIODevice::WriteOnly));
            QCOMPARE(platform::findGameFile(name), QDir::current().filePath(name));
        }
        QVERIFY(platform::findGameFile(QStringLiteral("no-such-file.wav")).isEmpty());
        QVERIFY(QDir::setCurrent(before));
    }

    // Two games started a moment apart are dealt from different seeds.
    void seedsFollowTheClock()
    {
        const std::uint32_t first = platform::seedFromTimeOfDay();
        QTest::qSleep(1);
        QVERIFY(platform::seedFromTimeOfDay() != first);
    }

    // The laying sound's module is built beside the program and makes sounds; a game without it
    // would only ever be silent.
    void theSoundModuleLoads()
    {
        const QString module =
            QDir(QCoreApplication::applicationDirPath()).filePath(platform::SoundModule);
        QVERIFY(QLibrary::resolve(module, platform::MakeSoundSymbol));
    }

    // Qt's own texts, such as the help's right-click menu, speak Russian; a message box keeps
    // its "OK".
    void qtsOwnTextsAreRussian()
    {
        platform::installRussianQtTexts();
        QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "Select All"),
                 QStringLiteral("Выделить всё"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("OK"));
    }

    // Without a sound server, Qt Multimedia's own lines about it are held back and the game
    // says it once; the sound is then none at all, which the game plays as silence.
    void aMachineWithoutSoundSaysSoInOneLine()
    {
        qputenv("PULSE_SERVER", "unix:/nonexistent/pulse/native");
        const QString module =
            QDir(QCoreApplication::applicationDirPath()).filePath(platform::SoundModule);
        const auto make = reinterpret_cast<platform::MakeSound>(
            QLibrary::resolve(module, platform::MakeSoundSymbol));
        QVERIFY(make);
        static QStringList heard;
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& message) { heard << message; });
        const std::unique_ptr<platform::Sound> sound(make(QStringLiteral("Put.wav")));
        qInstallMessageHandler(previous);
        QVERIFY(!sound);
        QCOMPARE(heard.size(), 1);
        QVERIFY2(heard.first().contains(QStringLiteral("no audio device")),
                 qPrintable(heard.first()));
    }

    // Each signal that ends a program arrives on the event loop instead, once per signal.
    void endingSignalsReachTheEventLoop()
    {
        platform::TerminationSignals ending;
        QSignalSpy received(&ending, &platform::TerminationSignals::received);
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
            QCOMPARE(std::raise(signal), 0);
            QVERIFY(received.wait());
        }
        QCOMPARE(received.count(), 3);
    }

    // A signal ignored when the game starts, as under nohup, stays ignored while it runs and
    // after; the others still arrive.
    void ignoredSignalsStayIgnored()
    {
        std::signal(SIGHUP, SIG_IGN);
        {
            platform::TerminationSignals ending;
            QSignalSpy received(&ending, &platform::TerminationSignals::received);
            QCOMPARE(std::raise(SIGHUP), 0);
            QCOMPARE(std::raise(SIGTERM), 0);
            QVERIFY(received.wait());
            QTest::qWait(SettleTime);
            QCOMPARE(received.count(), 1);
        }
        struct sigaction after = {};
        QCOMPARE(::sigaction(SIGHUP, nullptr, &after), 0);
        QVERIFY(after.sa_handler == SIG_IGN);
        std::signal(SIGHUP, SIG_DFL);
    }

    // What the command line makes of its arguments before any display is opened: the status
    // the program stops with (-1 to play on), and what it prints on each stream.
    void commandLineIsAnswered_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString usage = QStringLiteral("Usage: tavlen [--help | --version]\n");
        const QString playOn = QString();
        QTest::newRow("none") << QStringList() << -1 << playOn << playOn;
        QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << playOn;
        QTest::newRow("-h") << QStringList{"-h"} << 0 << usage << playOn;
        QTest::newRow("--version")
            << QStringList{"--version"} << 0 << QStringLiteral("Тавлен++ 9.99\n") << playOn;
        QTest::newRow("help wins over a later bad one")
            << QStringList{"--help", "--bogus"} << 0 << usage << playOn;
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << 2 << playOn
            << QStringLiteral("tavlen: unknown argument '--bogus'\n") + usage;
        QTest::newRow("unknown single-dash option")
            << QStringList{"-x"} << 2 << playOn
            << QStringLiteral("tavlen: unknown argument '-x'\n") + usage;
        QTest::newRow("a file name")
            << QStringList{"game.ini"} << 2 << playOn
            << QStringLiteral("tavlen: unknown argument 'game.ini'\n") + usage;
        QTest::newRow("bad one after Qt's own")
            << QStringList{"-platform", "xcb", "--bogus"} << 2 << playOn
            << QStringLiteral("tavlen: unknown argument '--bogus'\n") + usage;
        QTest::newRow("session manager restart")
            << QStringList{"-session", "10d2f3a4b5"} << -1 << playOn << playOn;
        QTest::newRow("Qt's options, one dash or two")
            << QStringList{"--style", "Fusion", "-reverse", "--display", ":1", "-name", "x"} << -1
            << playOn << playOn;
        QTest::newRow("a Qt option's value is not read as an option")
            << QStringList{"-qwindowtitle", "--version"} << -1 << playOn << playOn;
    }
    void commandLineIsAnswered()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        std::vector<std::string> kept;
        for (const QString& argument : arguments)
            kept.push_back(argument.toStdString());
        const std::vector<std::string_view> views(kept.begin(), kept.end());
        std::ostringstream printed;
        std::ostringstream complained;
        const std::optional<int> answer =
            platform::answerCommandLine(views, "9.99", printed, complained);
        QCOMPARE(answer.value_or(-1), status);
        // The usage goes on after its first line, so both streams are held to how they begin.
        QVERIFY(QString::fromStdString(printed.str()).startsWith(out));
        QCOMPARE(printed.str().empty(), out.isEmpty());
        QVERIFY(QString::fromStdString(complained.str()).startsWith(err));
        QCOMPARE(complained.str().empty(), err.isEmpty());
    }

    // The desktop's font stays unless fontconfig gave a typewriter face, which becomes
    // Liberation Sans at the same size.
    void theInterfaceFontIsNeverATypewriter_data()
    {
        QTest::addColumn<QString>("desktopFamily");
        QTest::addColumn<QString>("shownFamily");
        QTest::newRow("mono") << "Liberation Mono"
                              << "Liberation Sans";
        QTest::newRow("sans") << "Liberation Sans"
                              << "Liberation Sans";
        QTest::newRow("serif") << "Liberation Serif"
                               << "Liberation Serif";
    }
    void theInterfaceFontIsNeverATypewriter()
    {
        QFETCH(QString, desktopFamily);
        QFETCH(QString, shownFamily);
        QFont desktop(desktopFamily);
        desktop.setPointSize(11);
        const QFontInfo shown(platform::interfaceFont(desktop));
        QCOMPARE(shown.family(), shownFamily);
        QVERIFY(!shown.fixedPitch());
        QCOMPARE(shown.pointSize(), 11);
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
