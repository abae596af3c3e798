#include "platform/files.h"
#include "platform/multimedia_sound.h"
#include "platform/random_seed.h"
#include "platform/termination_signals.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

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
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"
