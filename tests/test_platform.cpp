#include "platform/desktop.h"
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

    // Qt's own texts, such as the help's right-click menu, speak Russian; a message box keeps
    // its "OK".
    void qtsOwnTextsAreRussian()
    {
        platform::installRussianQtTexts();
        QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "Select All"),
                 QStringLiteral("Выделить всё"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("OK"));
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
