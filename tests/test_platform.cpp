#include "platform/files.h"
#include "platform/multimedia_sound.h"
#include "platform/termination_signals.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

// Long enough for a second signal, had it been caught, to reach the event loop.
constexpr int SettleTime = 100;

class TestPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The sound and the help sit beside the executable; a copy in the current directory wins,
    // and a game started from elsewhere still finds them.
    void gameFilesAreFoundHereFirstThenBesideTheProgram()
    {
        const QString name = QStringLiteral("Put.wav");
        const QString before = QDir::currentPath();
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        QCOMPARE(platform::findGameFile(name),
                 QDir(QCoreApplication::applicationDirPath()).filePath(name));
        QVERIFY(QFile(name).open(QIODevice::WriteOnly));
        QCOMPARE(platform::findGameFile(name), QDir::current().filePath(name));
        QVERIFY(platform::findGameFile(QStringLiteral("no-such-file.wav")).isEmpty());
        QVERIFY(QDir::setCurrent(before));
    }

    // The laying sound's module is built beside the program and makes sounds; a game without it
    // would only ever be silent.
    void theSoundModuleLoads()
    {
        const QString module =
            QDir(QCoreApplication::applicationDirPath()).filePath(platform::SoundModule);
        QVERIFY(QLibrary::resolve(module, platform::MakeSoundSymbol));
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
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"
