#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"
