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
#include <fcntl.h>
#include <limits>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace store;
using LoadResult = SettingsFile::LoadResult;
using SaveResult = SettingsFile::SaveResult;
Q_DECLARE_METATYPE(Settings)
Q_DECLARE_METATYPE(game::Tally)

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

// Saves with the file size limited to `size` bytes, as on a full disk.
SaveResult saveWithin(qsizetype size, SettingsFile& file, const Settings& settings)
{
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit limit{static_cast<rlim_t>(size), previous.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    const SaveResult saved = file.save(settings);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);
    return saved;
}

// Makes a directory that the test itself may not write, as a read-only folder is to a player:
// without write permission, and for a user whom the system lets write anyway, such as root,
// also immutable. Undone when it goes, so that the directory can be removed.
class ReadOnlyDirectory
{
public:
    explicit ReadOnlyDirectory(const QString& path) : path_(QFile::encodeName(path))
    {
        ::chmod(path_.constData(), S_IRWXU & ~S_IWUSR);
        if (::access(path_.constData(), W_OK) == 0)
            immutable_ = setImmutable(true);
    }
    ~ReadOnlyDirectory()
    {
        if (immutable_)
            setImmutable(false);
        ::chmod(path_.constData(), S_IRWXU);
    }
    bool holds() const { return ::access(path_.constData(), W_OK) != 0; }

private:
    bool setImmutable(bool on) const
    {
        const int fd = ::open(path_.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        int flags = 0;
        bool set = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        set = set && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        if (fd >= 0)
            ::close(fd);
        return set;
    }

    QByteArray path_;
    bool immutable_ = false;
};

// The tally in a file, as a second plain reading of its counters.
game::Tally tallyIn(const QString& path)
{
    return store::readSettings(IniDocument(contentsOf(path))).tally;
}

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
        row("names in another case", "[нАСТРОЙКИ]\nsOUND=x", "x", "[нАСТРОЙКИ]\nSound=v");
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
        row("one character in quotes", head + "Sound=\"1\"", "1", head + "Sound=v");
        row("a quote alone", head + "Sound=\"", "\"", head + "Sound=v");
        row("nothing", head + "Sound=", "", head + "Sound=v");
        row("blanks kept in quotes", "", Missing, "[Настройки]\r\nSound=\" v \"\r\n", " v ");
        row("quotes kept in quotes", "", Missing, "[Настройки]\r\nSound=\"\"v\"\"\r\n", "\"v\"");
        // A UTF-8 editor's file reads as the game's own and is written back as UTF-8, its notes
        // byte for byte even where Windows-1251 has no such letters.
        const QByteArray notes = "; \xD0\xB7\xD0\xB0\xD0\xBC\xD0\xB5\xD1\x82\xD0\xBA\xD0\xB8: "
                                 "\xC3\xA4 \xE4\xB8\xAD \xF0\x9F\x98\x80\n";
        const QByteArray utf8Head = "[\xD0\x9D\xD0\xB0\xD1\x81\xD1\x82\xD1\x80\xD0\xBE\xD0\xB9"
                                    "\xD0\xBA\xD0\xB8]\n";
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
                 bom + bom + notes +
                     "[\xD0\x9D\xD0\xB0\xD1\x81\xD1\x82\xD1\x80\xD0\xBE"
                     "\xD0\xB9\xD0\xBA\xD0\xB8]\nSound=v\n");
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
        row("no keys", "");
        row("other case", "[Настройки]\nSound=true\nWindowState=normal\nLevel=LOW",
            {false, "RubL1", "RubR1", {}, std::nullopt, true});
        row("longer",
            "[Настройки]\nSound=Truex\nRubL=RubL12\nRubR=RubR34\nLevel=Lowest\n"
            "WindowState=Maximized",
            {false, "RubL1", "RubR3", {}, WindowState::Maximized, true});
        row("every counter",
            "[Статистика]\nGr=1\nJn=2\nHy=3\nMatches=4\nVictOfGr=5\nVictOfJn=6\nVictOfHy=7",
            {.tally = {1, 2, 3, 4, 5, 6, 7}});
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

    // Every key in the order the game has always written them, and read back as written.
    void writesEveryKeyInTheGamesOrder()
    {
        IniDocument file;
        writeSettings({}, file);
        QCOMPARE(file.toBytes(), windows1251(DefaultFile));
        Settings changed{false, "RubL3", "RubR7", {1, 2, 3, 4, 5, 6, 7}, WindowState::Maximized,
                         true};
        writeSettings(changed, file);
        QCOMPARE(store::readSettings(file), changed);
        // A window minimised at close, or in a state the file named otherwise, leaves the key.
        for (const auto state :
             {std::optional(WindowState::Minimized), std::optional<WindowState>()}) {
            changed.windowState = state;
            writeSettings(changed, file);
            QCOMPARE(file.value({Options, u"WindowState"}), QStringLiteral("Maximized"));
        }
    }

    // A first run makes an empty file, beside the program unless the game may not write there
    // (as when it is installed; "plain" is a file, no directory), and every key goes into it at
    // close. A file that cannot be made or read is reported once, at start, and left as it is,
    // as is one too large to be the game's or in UTF-16. A bad counter is reported, and
    // replaced at close; the player's own lines stay.
    // Anything but a regular file, or a link to one, is refused at once, never read or waited
    // on, and not written; a link to a file is followed and stays a link.
    void onlyRegularFilesAreRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<LoadResult>("loaded");
        QTest::addColumn<SaveResult>("saved");
        QTest::newRow("FIFO") << "fifo" << LoadResult::FileError << SaveResult::NotLoaded;
        QTest::newRow("link to /dev/zero")
            << "/dev/zero" << LoadResult::FileError << SaveResult::NotLoaded;
        QTest::newRow("link to a file") << "file" << LoadResult::Loaded << SaveResult::Saved;
    }
    void onlyRegularFilesAreRead()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("Param.ini");
        if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), S_IRUSR | S_IWUSR), 0);
        else if (kind == "file")
            QVERIFY(writeFile(dir.filePath("kept.ini"), "[x]\r\n") &&
                    QFile::link(dir.filePath("kept.ini"), path));
        else
            QVERIFY(QFile::link(kind, path));
        SettingsFile file(dir.path(), dir.path());
        Settings settings;
        QTEST(file.load(settings), "loaded");
        QTEST(file.save(settings), "saved");
        QCOMPARE(QFileInfo(path).isSymLink(), kind != "fifo");
        if (kind == "file")
            QCOMPARE(contentsOf(dir.filePath("kept.ini")), "[x]\r\n" + windows1251(DefaultFile));
    }

    // A file whose owner may not write it is never replaced, whoever runs the game; a file
    // that is replaced keeps its permissions.
    void permissionsAreKept_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<SaveResult>("saved");
        QTest::newRow("read-only") << 0444 << SaveResult::Failed;
        QTest::newRow("owner only") << 0600 << SaveResult::Saved;
        QTest::newRow("group reads") << 0640 << SaveResult::Saved;
    }
    void permissionsAreKept()
    {
        QFETCH(int, mode);
        QFETCH(SaveResult, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath("Param.ini");
        const QByteArray before = "; mine\n";
        QVERIFY(writeFile(path, before));
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(mode)), 0);
        SettingsFile file(dir.path(), dir.path());
        Settings settings;
        QCOMPARE(file.load(settings), LoadResult::Loaded);
        QCOMPARE(file.save(settings), saved);
        struct stat status = {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
        QCOMPARE(static_cast<int>(status.st_mode & ALLPERMS), mode);
        QCOMPARE(contentsOf(path) == before, saved == SaveResult::Failed);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), {"Param.ini"});
    }

    // A game killed while it writes the file leaves no half-written file behind, named or not;
    // one killed just as the new file was named has it removed at the next start, unless it is
    // another game's, still running.
    void aKilledSaveLeavesNothingBehind()
    {
        QTemporaryDir dir;
        const QStringList leftovers{"Param.ini.1.new", "Param.ini.2147483646.new"};
        for (const QString& name : leftovers + QStringList{"Param.ini.bak"})
            QVERIFY(writeFile(dir.filePath(name), "half"));
        SettingsFile file(dir.path(), dir.path());
        Settings settings;
        QCOMPARE(file.load(settings), LoadResult::Loaded);
        const pid_t child = ::fork();
        if (child == 0) {
            // The file size limit kills the writer at its first byte.
            const rlimit none{0, 0};
            ::setrlimit(RLIMIT_CORE, &none);
            const rlimit tiny{1, 1};
            ::setrlimit(RLIMIT_FSIZE, &tiny);
            std::signal(SIGXFSZ, SIG_DFL);
            file.save(settings);
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"Param.ini", "Param.ini.1.new", "Param.ini.bak"}));
        QCOMPARE(contentsOf(dir.filePath("Param.ini")), QByteArray(""));
    }

    // A folder the game may not write, holding the player's file: the tally goes on from that
    // file, and is written to the configuration folder, which is read from then on; the file
    // beside the program is never touched.
    void aReadOnlyProgramFolderIsReadButNotWritten()
    {
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkdir("program"));
        const QString beside = root.filePath("program/Param.ini");
        const QString config = root.filePath("config/Param.ini");
        const QByteArray carried = windows1251("; carried\r\n[Статистика]\r\nGr=5\r\n");
        QVERIFY(writeFile(beside, carried));
        const ReadOnlyDirectory readOnly(root.filePath("program"));
        if (!readOnly.holds())
            QSKIP("no way here to make a folder that this user may not write");
        for (const std::int32_t points : {5, 6}) {
            SettingsFile file(root.filePath("program"), root.filePath("config"));
            QCOMPARE(file.filePath(), config);
            Settings settings;
            QCOMPARE(file.load(settings), LoadResult::Loaded);
            QCOMPARE(settings.tally.humanPoints, points);
            ++settings.tally.humanPoints;
            QCOMPARE(file.save(settings), SaveResult::Saved);
            QCOMPARE(tallyIn(config).humanPoints, points + 1);
            QVERIFY(contentsOf(config).startsWith("; carried\r\n"));
            QCOMPARE(contentsOf(beside), carried);
        }
    }

    // Two games on one file, each closing after playing: the second to close adds what it
    // played to what the file holds by then, and its own settings win. A run that reset the
    // tally writes its own counters as they are, and adds again after that.
    void twoGamesAtOnceAreBothCounted()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Param.ini");
        QVERIFY(writeFile(path, windows1251("[Статистика]\nGr=10\nMatches=4\nVictOfHy=3\n")));
        SettingsFile first(dir.path(), dir.path());
        SettingsFile second(dir.path(), dir.path());
        Settings one;
        Settings two;
        QCOMPARE(first.load(one), LoadResult::Loaded);
        QCOMPARE(second.load(two), LoadResult::Loaded);
        one.tally.humanPoints += 2;
        one.tally.gamesPlayed += 1;
        two.tally.humanPoints += 1;
        two.tally.gamesPlayed += 1;
        two.tally.harryFirstPlaces += 1;
        two.sound = false;
        QCOMPARE(first.save(one), SaveResult::Saved);
        QCOMPARE(second.save(two), SaveResult::Saved);
        QCOMPARE(tallyIn(path), (game::Tally{13, 0, 0, 6, 0, 0, 4}));
        QCOMPARE(store::readSettings(IniDocument(contentsOf(path))).sound, false);
        // Saved again with nothing more played, nothing is counted twice.
        QCOMPARE(first.save(one), SaveResult::Saved);
        QCOMPARE(tallyIn(path), (game::Tally{13, 0, 0, 6, 0, 0, 4}));
        // The first game resets its tally, then plays one more.
        one.tally = {0, 1, 0, 0, 0, 0, 0};
        first.markTallyReset();
        QCOMPARE(first.save(one), SaveResult::Saved);
        QCOMPARE(tallyIn(path), one.tally);
        two.tally.johnPoints += 2;
        QCOMPARE(second.save(two), SaveResult::Saved);
        QCOMPARE(tallyIn(path), (game::Tally{0, 3, 0, 0, 0, 0, 0}));
    }

    // What the file holds, what this run found there, what it holds now: the sum, worked out
    // by hand, stops at the ends of 32 bits.
    void addedTally_data()
    {
        QTest::addColumn<game::Tally>("stored");
        QTest::addColumn<game::Tally>("counted");
        QTest::addColumn<game::Tally>("current");
        QTest::addColumn<game::Tally>("expected");
        constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();
        constexpr std::int32_t Smallest = std::numeric_limits<std::int32_t>::min();
        QTest::newRow("nothing played") << game::Tally{1, 2, 3, 4, 5, 6, 7} << game::Tally{}
                                        << game::Tally{} << game::Tally{1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("every counter")
            << game::Tally{1, 2, 3, 4, 5, 6, 7} << game::Tally{1, 1, 1, 1, 1, 1, 1}
            << game::Tally{3, 2, 1, 2, 2, 1, 1} << game::Tally{3, 3, 3, 5, 6, 6, 7};
        QTest::newRow("at the top") << game::Tally{Largest - 1, Largest} << game::Tally{0, 0}
                                    << game::Tally{2, 1} << game::Tally{Largest, Largest};
        QTest::newRow("the file went down") << game::Tally{Smallest + 1} << game::Tally{Largest}
                                            << game::Tally{Largest - 5} << game::Tally{Smallest};
    }
    void addedTally()
    {
        QFETCH(game::Tally, stored);
        QFETCH(game::Tally, counted);
        QFETCH(game::Tally, current);
        QTEST(store::addedTally(stored, counted, current), "expected");
    }

    void startAndClose_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("config");
        QTest::addColumn<QByteArray>("before"); // "/" makes Param.ini a directory
        QTest::addColumn<LoadResult>("loaded");
        QTest::addColumn<QByteArray>("after");
        const QByteArray defaults = windows1251(DefaultFile);
        const QByteArray bad =
            windows1251("; notes\r\n[Настройки]\r\nSound=False\r\nTheme=1\r\n\r\n"
                        "[Статистика]\r\nGr=abc\r\nJn=12\r\n");
        const auto row = [](const char* name, const char* program, const char* config,
                            const QByteArray& before, LoadResult loaded, const QByteArray& after) {
            QTest::newRow(name) << QString(program) << QString(config) << before << loaded << after;
        };
        row("first run", "program", "config", {}, LoadResult::Loaded, defaults);
        row("program directory not writable", "plain", "config/app", {}, LoadResult::Loaded,
            defaults);
        row("Param.ini is a directory", "program", "config", "/", LoadResult::FileError,
            Unreadable);
        row("no directory can be made", "plain", "plain/config", {}, LoadResult::FileError,
            Unreadable);
        const QByteArray large(MaxFileSize + 1, '\n');
        row("over a mebibyte", "program", "config", large, LoadResult::UnusableData, large);
        const QByteArray utf16 =
            QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)(
                QStringLiteral("[Настройки]\r\nSound=False\r\n"));
        row("UTF-16", "program", "config", utf16, LoadResult::UnusableData, utf16);
        row("a mebibyte", "program", "config", QByteArray(MaxFileSize, '\n'), LoadResult::Loaded,
            QByteArray(MaxFileSize, '\n') + QByteArray(defaults).replace("\r\n", "\n"));
        row("bad counter", "program", "config", bad, LoadResult::DataError,
            windows1251("; notes\r\n[Настройки]\r\nSound=False\r\nTheme=1\r\nRubL=RubL1\r\n"
                        "RubR=RubR1\r\nWindowState=Normal\r\nLevel=Low\r\n\r\n[Статистика]\r\n"
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
        SettingsFile file(root.filePath(program), root.filePath(config));
        QCOMPARE(file.errorMessage(), "Файл " + QDir::toNativeSeparators(path) +
                                          " содержит ошибочные данные. Чтобы избежать "
                                          "дальнейших ошибок, удалите его.");
        Settings settings{.sound = false, .tally = {}};
        QCOMPARE(file.load(settings), loaded);
        const bool usable = loaded == LoadResult::Loaded || loaded == LoadResult::DataError;
        QCOMPARE(contentsOf(path), loaded == LoadResult::FileError ? Unreadable : before);
        // A write cut short, as on a full disk, leaves the old file whole, and no stray file.
        if (usable) {
            QCOMPARE(saveWithin(before.size(), file, settings), SaveResult::Failed);
            QCOMPARE(contentsOf(path), before);
            QCOMPARE(QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden), {"Param.ini"});
        }
        QCOMPARE(file.save(settings), usable ? SaveResult::Saved : SaveResult::NotLoaded);
        QTEST(contentsOf(path), "after");
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
