#include "platform/files.h"
#include "platform/termination_signals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

class TestPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The sound and the help sit beside the executable; a copy in the current directory wins,
    // and a game started from elsewhere still finds them.
    void gameFilesAreFoundHereFirstThenBesideTheProgram()
    {
        const QString name = QStringLiteral("Put.wav");
        const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath(name);
        QVERIFY2(QFile::exists(besideProgram), "the build puts the sound beside the programs");

        QTemporaryDir elsewhere;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        QCOMPARE(platform::findGameFile(name), QFileInfo(besideProgram).absoluteFilePath());

        QFile here(QDir(elsewhere.path()).filePath(name));
        QVERIFY(here.open(QIODevice::WriteOnly));
        here.close();
        QCOMPARE(platform::findGameFile(name), QFileInfo(here).absoluteFilePath());
        QVERIFY(platform::findGameFile(QStringLiteral("no-such-file.wav")).isEmpty());
        QVERIFY(QDir::setCurrent(before));
    }

    // Each signal that ends a program arrives on the event loop instead, once per signal.
    void endingSignalsReachTheEventLoop()
    {
        platform::TerminationSignals ending;
        QSignalSpy received(&ending, &platform::TerminationSignals::received);
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
            const int before = int(received.count());
            QCOMPARE(std::raise(signal), 0);
            QVERIFY(received.wait());
            QCOMPARE(received.count(), before + 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"
