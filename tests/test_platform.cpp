// SPDX-License-Identifier: GPL-3.0-or-later
// The platform: the game's files found, the seed, Qt's Russian texts, the command line, the
// interface font and signals that cannot be caught. The signals' work, the sound module on a
// machine without sound, and the installed program's --help, --version and a bad option are the
// real program's, in test_real_binary.sh and test_install.sh.
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/start_up.h"
#include "platform/termination_signals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <sstream>
#include <string>
#include <vector>

namespace
{

// A stand-in for sigaction that will not catch SIGTERM or SIGHUP.
int refusingSigaction(int signal, const struct sigaction* action, struct sigaction* previous)
{
    if (action && (signal == SIGTERM || signal == SIGHUP)) {
        errno = EINVAL;
        return -1;
    }
    return ::sigaction(signal, action, previous);
}

} // namespace

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

    // Signals the system will not let the game catch are said on stderr in one line with the
    // system's reason, and the others are caught all the same.
    void uncatchableSignalsAreSaidOnce()
    {
        QTest::ignoreMessage(
            QtWarningMsg, "tavlen: cannot catch SIGTERM, SIGHUP (Invalid argument); the tally is "
                          "not saved if the game is ended that way");
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        const platform::TerminationSignals signals(nullptr, refusingSigaction);
        const QSignalSpy received(&signals, &platform::TerminationSignals::received);
        QVERIFY(std::raise(SIGINT) == 0);
        QTRY_COMPARE(received.count(), 1);
    }

    // Two games started a moment apart are dealt from different seeds.
    void seedsFollowTheClock()
    {
        const std::uint32_t first = platform::seedFromTimeOfDay();
        QTest::qSleep(1);
        QVERIFY(platform::seedFromTimeOfDay() != first);
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

    // What the command line makes of its arguments before any display is opened: the status
    // the program stops with (-1 to play on), and what it prints on each stream.
    void commandLineIsAnswered_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString usage = QStringLiteral("Usage: tavlen [--help | --version]\n");
        const auto row = [](const char* name, const QStringList& arguments, int status,
                            const QString& out, const QString& err = {}) {
            QTest::newRow(name) << arguments << status << out << err;
        };
        const auto unknown = [&usage](const char* argument) {
            return QStringLiteral("tavlen: unknown argument '%1'\n").arg(argument) + usage;
        };
        row("-h", {"-h"}, 0, usage);
        row("help wins over a later bad one", {"--help", "--bogus"}, 0, usage);
        row("a file name", {"game.ini"}, 2, {}, unknown("game.ini"));
        row("bad one after Qt's own", {"-platform", "xcb", "--bogus"}, 2, {}, unknown("--bogus"));
        row("session manager restart", {"-session", "10d2f3a4b5"}, -1, {});
        row("Qt's options, one dash or two",
            {"--style", "Fusion", "-reverse", "--display", ":1", "-name", "x"}, -1, {});
        row("a Qt option's value is not read as an option", {"-qwindowtitle", "--version"}, -1, {});
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
    void theInterfaceFontIsNeverATypewriter()
    {
        constexpr int Points = 11;
        for (const auto& [desktopFamily, shownFamily] :
             {std::pair{"Liberation Mono", "Liberation Sans"},
              {"Liberation Serif", "Liberation Serif"}}) {
            QFont desktop(desktopFamily);
            desktop.setPointSize(Points);
            const QFontInfo shown(platform::interfaceFont(desktop));
            QCOMPARE(shown.family(), shownFamily);
            QVERIFY(!shown.fixedPitch());
            QCOMPARE(shown.pointSize(), Points);
        }
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
