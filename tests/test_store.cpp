// "Param.ini": the text kept as the player left it, the twelve keys, and the file on disk.
#include "store/ini_document.h"
#include "store/settings_file.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

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

// Saves with the file size limited to `size` bytes, as on a full disk.
SaveResult saveWithin(qsizetype size, const SettingsFile& file, const Settings& settings)
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
        // A UTF-8 editor's file reads as the game's own.
        const QByteArray utf8 = (head + "Sound=Ёлка").toUtf8();
        QTest::newRow("UTF-8") << utf8 << "Ёлка"
                               << "v" << windows1251(head + "Sound=v");
        QTest::newRow("UTF-8 with a byte-order mark") << "\xEF\xBB\xBF" + utf8 << "Ёлка"
                                                      << "v" << windows1251(head + "Sound=v");
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
    // close. A file that cannot be made or read is reported once, at start, and left as it is.
    // A bad counter is reported, and replaced at close; the player's own lines stay.
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
        const bool usable = loaded != LoadResult::FileError;
        QCOMPARE(contentsOf(path), usable ? before : Unreadable);
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
