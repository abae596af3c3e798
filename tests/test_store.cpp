// SPDX-License-Identifier: GPL-3.0-or-later
// "Param.ini": the text kept as the player left it, the twelve keys, and the file on disk.
#include "store/file_on_disk.h"
#include "store/ini_document.h"
#include "store/settings_file.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace store;
using LoadResult = SettingsFile::LoadResult;
using SaveResult = SettingsFile::SaveResult;
Q_DECLARE_METATYPE(Settings)

namespace
{

const QString Options = QStringLiteral("Настройки");
const QString Missing = QStringLiteral("<missing>");
// The defaults as the game writes them into an empty file.
const QString DefaultFile = QStringLiteral(
    "[Настройки]\r\nSound=True\r\nRubL=RubL1\r\nRubR=RubR1\r\nWindowState=Normal\r\nLevel=Low\r\n"
    "[Статистика]\r\nGr=0\r\nJn=0\r\nHy=0\r\nMatches=0\r\nVictOfGr=0\r\nVictOfJn=0\r\n"
    "VictOfHy=0\r\n");
const QByteArray Unreadable = "<unreadable>";

QByteArray windows1251(const QString& text)
{
    return QStringEncoder("windows-1251").encode(text);
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : Unreadable;
}

bool writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

// The tally in a file, as a second plain reading of its counters.
game::Tally tallyIn(const QString& path)
{
    return store::readSettings(IniDocument(contentsOf(path))).tally;
}

// A settings file alone in a temporary folder, which is both of its places.
struct FileInFolder {
    QTemporaryDir dir;
    QString path = dir.filePath("Param.ini");
    SettingsFile file{{.preferred = dir.path(), .fallback = dir.path()}};
    Settings settings;
};

} // namespace

class TestStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Reads the options' Sound key, sets it and reads it back. The file is written in
    // Windows-1251, with the line ends it has, or the Windows ones when it has none.
    void readAndWriteBack_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        const auto row = [](const char* name, const QString& file, const QString& read,
                            const QString& after, const QString& value = "v") {
            QTest::newRow(name) << windows1251(file) << read << value << windows1251(after);
        };
        const QString head = QStringLiteral("[Настройки]\n");
        row("blanks", "\t[ Настройки ] \n Sound\t=  a b \r\n", "a b",
            "\t[ Настройки ] \nSound=v\r\n");
        row("one pair of quotes off, first of two keys", head + "Sound=\" a\"b \"\nsound=2",
            " a\"b ", head + "Sound=v\nsound=2");
        row("first of two sections, none in the next",
            head + "A=1\n[x]\nSound=1\n" + head + "Sound=2", Missing,
            head + "A=1\nSound=v\n[x]\nSound=1\n" + head + "Sound=2");
        row("first of two sections, the second right after it", head + "A=1\n[нАСТРОЙКИ]\nSound=2",
            Missing, head + "A=1\nSound=v\n[нАСТРОЙКИ]\nSound=2");
        row("no closing bracket, no last line end", "[Настройки\nSound=1", Missing,
            "[Настройки\nSound=1\n" + head + "Sound=v");
        row("NUL and end of file marks", head + "Sound=a" + QChar() + "\x1A",
            QStringLiteral("a") + QChar() + "\x1A", head + "Sound=v");
        row("a 1 MB line, cut", head + "Sound=" + QString(1 << 20, u'x'), QString(2047, u'x'),
            head + "Sound=v");
        row("rewritten in its place", "; top\r\n[Настройки]\r\nA=1\r\n sound = 0 \r\n\r\nB=2\r\n",
            "0", "; top\r\n[Настройки]\r\nA=1\r\nSound=v\r\n\r\nB=2\r\n");
        row("added after the last key", head + "A=1\n\n; old=1\n[x]\n", Missing,
            head + "A=1\nSound=v\n\n; old=1\n[x]\n");
        // Quotes come off a value at least two characters long.
        row("nothing in quotes", head + "Sound=\"\"", "", head + "Sound=v");
        row("a quote alone", head + "Sound=\"", "\"", head + "Sound=v");
        row("blanks kept in quotes", "", Missing, "[Настройки]\r\nSound=\" v \"\r\n", " v ");
        row("quotes kept in quotes", "", Missing, "[Настройки]\r\nSound=\"\"v\"\"\r\n", "\"v\"");
        // A UTF-8 editor's file reads as the game's own and is written back as UTF-8, its notes
        // byte for byte even where Windows-1251 has no such letters.
        const QByteArray notes = QStringLiteral("; заметки: ä 中 😀\n").toUtf8();
        const QByteArray utf8Head = head.toUtf8();
        const QByteArray bom = "\xEF\xBB\xBF";
        const auto bytesRow = [](const char* name, const QByteArray& file, const QString& read,
                                 const QByteArray& after) {
            QTest::newRow(name) << file << read << "v" << after;
        };
        bytesRow("UTF-8", notes + utf8Head + "Sound=\xD0\x81", QStringLiteral("Ё"),
                 notes + utf8Head + "Sound=v");
        bytesRow("UTF-8 with a byte-order mark", bom + utf8Head + notes, Missing,
                 bom + utf8Head + "Sound=v\n" + notes);
        bytesRow("a second byte-order mark kept", bom + bom + notes, Missing,
                 bom + bom + notes + utf8Head + "Sound=v\n");
        bytesRow("UTF-8 cut short at the end", "; \xD0\x81\xD0", Missing,
                 "; \xD0\x81\xD0\r\n" + windows1251("[Настройки]\r\nSound=v"));
        // Not UTF-8 (a lone 0xC3 before a space) is Windows-1251 throughout.
        bytesRow("broken UTF-8", "; \xC3 \xE4\n" + windows1251(head) + "Sound=1",
                 QStringLiteral("1"), "; \xC3 \xE4\n" + windows1251(head) + "Sound=v");
    }
    void readAndWriteBack()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, value);
        IniDocument document(file);
        QTEST(document.value({Options, u"Sound"}).value_or(Missing), "read");
        document.setValue({Options, u"Sound"}, value);
        QTEST(document.toBytes(), "after");
        QCOMPARE(IniDocument(document.toBytes()).value({Options, u"Sound"}), value);
    }

    void readSettings_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Settings>("expected");
        QTest::addColumn<bool>("ok");
        const auto row = [](const char* name, const QString& file, const Settings& expected = {},
                            bool ok = true) { QTest::newRow(name) << file << expected << ok; };
        const auto gr = [](const char* value, std::int32_t points, bool ok) {
            QTest::addRow("Gr=%s", value) << "[Статистика]\nGr=" + QString::fromUtf8(value)
                                          << Settings{.tally = {points}} << ok;
        };
        // Sound and Level match only the very text the game writes, which missing keys read as;
        // the backs count 5 characters, the window state 11 and the level 4.
        row("other case", "[Настройки]\nSound=true\nWindowState=normal\nLevel=LOW",
            {false, "RubL1", "RubR1", {}, std::nullopt, true});
        row("longer",
            "[Настройки]\nSound=Truex\nRubL=RubL12\nRubR=RubR34\nLevel=Lowest\n"
            "WindowState=Maximized",
            {false, "RubL1", "RubR3", {}, WindowState::Maximized, true});
        row("letters in Gr and Matches, the rest read",
            "[Настройки]\nSound=False\nWindowState=Odd\nLevel=High\n"
            "[Статистика]\nGr=abc\nJn=2\nMatches=x\nVictOfHy=7",
            {false, "RubL1", "RubR1", {0, 2, 0, 0, 0, 0, 7}, {}, true}, false);
        gr("2147483647", 2147483647, true);
        gr("-2147483648", -2147483647 - 1, true);
        gr(" +000000000000042 ", 42, true);
        for (const char* bad : {"2147483648", "-2147483649", "", "+-1", "1 2", "0x10"})
            gr(bad, 0, false);
    }
    void readSettings()
    {
        QFETCH(QString, file);
        QFETCH(bool, ok);
        bool read = !ok;
        QTEST(store::readSettings(IniDocument(windows1251(file)), &read), "expected");
        QCOMPARE(read, ok);
    }

    // A link to a file is followed: the file it leads to is written and keeps its permissions,
    // here other than a new file's, and the link stays.
    void aLinkedFileIsWrittenInItsPlace()
    {
        FileInFolder in;
        const QString target = in.dir.filePath("kept.ini");
        constexpr mode_t GroupReads = 0640;
        QVERIFY(writeFile(target, "[x]\r\n") && QFile::link(target, in.path));
        QCOMPARE(::chmod(QFile::encodeName(target).constData(), GroupReads), 0);
        QCOMPARE(in.file.load(in.settings), LoadResult::Loaded);
        QCOMPARE(in.file.save(in.settings), SaveResult::Saved);
        QVERIFY(QFileInfo(in.path).isSymLink());
        QCOMPARE(contentsOf(target), "[x]\r\n" + windows1251(DefaultFile));
        struct stat status = {};
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &status), 0);
        QCOMPARE(status.st_mode & ALLPERMS, GroupReads);
        QCOMPARE(QDir(in.dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"kept.ini", "Param.ini"}));
    }

    // A game killed while it writes the file leaves no half-written file behind, named or not;
    // one killed just as the new file was named has it removed at the next start, unless it is
    // another game's, still running.
    void aKilledSaveLeavesNothingBehind()
    {
        FileInFolder in;
        for (const char* name : {"Param.ini.1.new", "Param.ini.2147483646.new", "Param.ini.bak"})
            QVERIFY(writeFile(in.dir.filePath(name), "half"));
        QCOMPARE(in.file.load(in.settings), LoadResult::Loaded);
        const pid_t child = ::fork();
        if (child == 0) {
            // The file size limit kills the writer at its first byte.
            const rlimit none{0, 0};
            ::setrlimit(RLIMIT_CORE, &none);
            const rlimit tiny{1, 1};
            ::setrlimit(RLIMIT_FSIZE, &tiny);
            std::signal(SIGXFSZ, SIG_DFL);
            in.file.save(in.settings);
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
        QCOMPARE(QDir(in.dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"Param.ini", "Param.ini.1.new", "Param.ini.bak"}));
        QCOMPARE(contentsOf(in.path), QByteArray(""));
    }

    // A file that another program made unreadable while the game ran, here UTF-16, is not
    // replaced at close.
    void aFileTurnedUnreadableIsNotReplaced()
    {
        FileInFolder in;
        QCOMPARE(in.file.load(in.settings), LoadResult::Loaded);
        const QByteArray utf16("\xFF\xFE[\0x\0]\0", 8);
        QVERIFY(writeFile(in.path, utf16));
        QCOMPARE(in.file.save(in.settings), SaveResult::Failed);
        QCOMPARE(contentsOf(in.path), utf16);
    }

    // Two games on one file, each closing after playing: the second to close adds what it
    // played to what the file holds by then.
    void twoGamesAtOnceAreBothCounted()
    {
        FileInFolder first;
        QVERIFY(writeFile(first.path, windows1251("[Статистика]\nGr=10\nMatches=4\nVictOfHy=3\n")));
        SettingsFile second({.preferred = first.dir.path(), .fallback = first.dir.path()});
        Settings two;
        QCOMPARE(first.file.load(first.settings), LoadResult::Loaded);
        QCOMPARE(second.load(two), LoadResult::Loaded);
        // The first wins a game for 2 points, the second comes second after Лёлик for 1.
        first.settings.tally = {12, 0, 0, 5, 0, 0, 3};
        two.tally = {11, 0, 0, 5, 0, 0, 4};
        QCOMPARE(first.file.save(first.settings), SaveResult::Saved);
        QCOMPARE(second.save(two), SaveResult::Saved);
        QCOMPARE(tallyIn(first.path), (game::Tally{13, 0, 0, 6, 0, 0, 4}));
        // Saved again with nothing more played, nothing is counted twice.
        QCOMPARE(first.file.save(first.settings), SaveResult::Saved);
        QCOMPARE(tallyIn(first.path), (game::Tally{13, 0, 0, 6, 0, 0, 4}));
    }

    // What the file holds, what this run found there, what it holds now: the sum, worked out
    // by hand, stops at the ends of 32 bits.
    void addedTallyStopsAtTheEnds()
    {
        constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();
        constexpr std::int32_t Smallest = std::numeric_limits<std::int32_t>::min();
        QCOMPARE(store::addedTally({Largest - 1, Largest}, {0, 0}, {2, 1}),
                 (game::Tally{Largest, Largest}));
        QCOMPARE(store::addedTally({Smallest + 1}, {Largest}, {Largest - 5}),
                 game::Tally{Smallest});
    }

    // A first run makes an empty file, and every key goes into it at close. A file that cannot
    // be made ("plain" is a file, no directory) or read is reported at start and left as it is,
    // as is one in UTF-16; a file of a mebibyte is still the game's. A bad counter is reported,
    // and replaced at close; the player's own lines stay, and so does a window state the game
    // does not name. A program folder the game may not write is the real program's, in
    // test_real_binary.sh.
    void startAndClose_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("config");
        QTest::addColumn<QByteArray>("before"); // "/" makes Param.ini a directory
        QTest::addColumn<LoadResult>("loaded");
        QTest::addColumn<QByteArray>("after");
        const QByteArray defaults = windows1251(DefaultFile);
        const QByteArray bad =
            windows1251("; notes\r\n[Настройки]\r\nSound=False\r\nWindowState=Odd\r\n"
                        "Theme=1\r\n\r\n[Статистика]\r\nGr=abc\r\nJn=12\r\n");
        const auto row = [](const char* name, const char* program, const char* config,
                            const QByteArray& before, LoadResult loaded, const QByteArray& after) {
            QTest::newRow(name) << QString(program) << QString(config) << before << loaded << after;
        };
        row("first run", "program", "config", {}, LoadResult::Loaded, defaults);
        row("Param.ini is a directory", "program", "config", "/", LoadResult::FileError,
            Unreadable);
        row("no directory can be made", "plain", "plain/config", {}, LoadResult::FileError,
            Unreadable);
        const QByteArray utf16 =
            QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)(
                QStringLiteral("[Настройки]\r\nSound=False\r\n"));
        row("UTF-16", "program", "config", utf16, LoadResult::UnusableData, utf16);
        row("a mebibyte", "program", "config", QByteArray(MaxFileSize, '\n'), LoadResult::Loaded,
            QByteArray(MaxFileSize, '\n') + QByteArray(defaults).replace("\r\n", "\n"));
        row("bad counter", "program", "config", bad, LoadResult::DataError,
            windows1251("; notes\r\n[Настройки]\r\nSound=False\r\nWindowState=Odd\r\nTheme=1\r\n"
                        "RubL=RubL1\r\nRubR=RubR1\r\nLevel=Low\r\n\r\n[Статистика]\r\n"
                        "Gr=0\r\nJn=12\r\nHy=0\r\nMatches=0\r\nVictOfGr=0\r\nVictOfJn=0\r\n"
                        "VictOfHy=0\r\n"));
    }
    void startAndClose()
    {
        QFETCH(QString, program);
        QFETCH(QString, config);
        QFETCH(QByteArray, before);
        QFETCH(LoadResult, loaded);
        QTemporaryDir root;
        QVERIFY(writeFile(root.filePath("plain"), {}) && QDir(root.path()).mkdir("program"));
        const QString path = root.filePath((program == "plain" ? config : program) + "/Param.ini");
        QVERIFY(before.isNull() || (before == "/" ? QDir().mkpath(path) : writeFile(path, before)));
        SettingsFile file({.preferred = root.filePath(program), .fallback = root.filePath(config)});
        QCOMPARE(file.errorMessage(), "Файл " + QDir::toNativeSeparators(path) +
                                          " содержит ошибочные данные. Чтобы избежать "
                                          "дальнейших ошибок, удалите его.");
        Settings settings{.sound = false, .tally = {}};
        QCOMPARE(file.load(settings), loaded);
        const bool usable = loaded == LoadResult::Loaded || loaded == LoadResult::DataError;
        QCOMPARE(contentsOf(path), loaded == LoadResult::FileError ? Unreadable : before);
        // A write cut short, as on a full disk, leaves the old file whole, and no stray file.
        if (usable) {
            rlimit unlimited{};
            getrlimit(RLIMIT_FSIZE, &unlimited);
            const rlimit full{static_cast<rlim_t>(before.size()), unlimited.rlim_max};
            const auto handler = std::signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &full);
            const SaveResult saved = file.save(settings);
            setrlimit(RLIMIT_FSIZE, &unlimited);
            std::signal(SIGXFSZ, handler);
            QCOMPARE(saved, SaveResult::Failed);
            QCOMPARE(contentsOf(path), before);
            QCOMPARE(QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden), {"Param.ini"});
        }
        QCOMPARE(file.save(settings), usable ? SaveResult::Saved : SaveResult::NotLoaded);
        QTEST(contentsOf(path), "after");
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
