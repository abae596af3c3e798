// "Param.ini": the text kept as the player left it, the twelve keys, and the file on disk.
#include "store/ini_document.h"
#include "store/settings_file.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <limits>
#include <sys/resource.h>
#include <unistd.h>

using namespace store;
using LoadResult = SettingsFile::LoadResult;
using SaveResult = SettingsFile::SaveResult;

// What a row changes in the default settings.
using Change = std::function<void(Settings&)>;
Q_DECLARE_METATYPE(Change)

namespace
{

const QString Options = QStringLiteral("Настройки");
const QString Missing = QStringLiteral("<missing>");
// The defaults as the game writes them into an empty file.
const QString DefaultFile = QStringLiteral(
    "[Настройки]\r\nSound=True\r\nRubL=RubL1\r\nRubR=RubR1\r\nWindowState=Normal\r\nLevel=Low\r\n"
    "[Статистика]\r\nGr=0\r\nJn=0\r\nHy=0\r\nMatches=0\r\nVictOfGr=0\r\nVictOfJn=0\r\n"
    "VictOfHy=0\r\n");

QByteArray windows1251(const QString& text)
{
    QStringEncoder encoder("windows-1251");
    return encoder(text);
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

} // namespace

class TestStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void value_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const QString& file, const QString& expected) {
            QTest::newRow(name) << windows1251(file) << expected;
        };
        const QString head = QStringLiteral("[Настройки]\n");
        row("names in another case", "[нАСТРОЙКИ]\nsOUND=x", "x");
        row("blanks", "\t[ Настройки ] \n Sound\t=  a b \r\n", "a b");
        row("one pair of quotes off", head + "Sound=\" a\"b \"", " a\"b ");
        row("first of two keys", head + "Sound=1\nsound=2", "1");
        row("first of two sections", head + "A=1\n" + head + "Sound=2", Missing);
        row("in the next section", head + "[x]\nSound=1", Missing);
        row("comment", head + ";Sound=1", Missing);
        row("no closing bracket", "[Настройки\nSound=1", Missing);
        row("NUL", head + "Sound=a" + QChar() + "b", QStringLiteral("a") + QChar() + "b");
        row("a 1 MB line, cut", head + "Sound=" + QString(1 << 20, u'x'), QString(2047, u'x'));
        QByteArray everyByte;
        for (int byte = 0; byte <= 0xFF; ++byte)
            everyByte += static_cast<char>(byte);
        QTest::newRow("every byte before the section")
            << everyByte + windows1251("\n[Настройки]\nSound=1") << "1";
        // A UTF-8 editor's file reads as the game's own.
        const QByteArray utf8 = QStringLiteral("[Настройки]\nSound=Ёлка").toUtf8();
        QTest::newRow("UTF-8") << utf8 << QStringLiteral("Ёлка");
        QTest::newRow("UTF-8 with a byte-order mark") << "\xEF\xBB\xBF" + utf8 << "Ёлка";
    }
    void value()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        QCOMPARE(IniDocument(file).value({Options, u"Sound"}).value_or(Missing), expected);
    }

    void setValue_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, const char* before, const char* value,
                            const char* after) {
            QTest::newRow(name) << windows1251(QString::fromUtf8(before))
                                << QString::fromUtf8(value) << QString::fromUtf8(after);
        };
        row("rewritten in its place", "; top\r\n[Настройки]\r\nA=1\r\n sound = 0 \r\n\r\nB=2\r\n",
            "v", "; top\r\n[Настройки]\r\nA=1\r\nSound=v\r\n\r\nB=2\r\n");
        row("first of two keys", "[Настройки]\nSound=1\nsound=2\n", "v",
            "[Настройки]\nSound=v\nsound=2\n");
        row("added after the last key", "[Настройки]\nA=1\n\n; tally\n[x]\n", "v",
            "[Настройки]\nA=1\nSound=v\n\n; tally\n[x]\n");
        row("added after a bare header", "[Настройки]\n\n[x]\n", "v",
            "[Настройки]\nSound=v\n\n[x]\n");
        row("section added at the end", "[x]\r\nA=1\r\n", "v",
            "[x]\r\nA=1\r\n[Настройки]\r\nSound=v\r\n");
        row("no last line end stays so", "[Настройки]\nA=1", "v", "[Настройки]\nA=1\nSound=v");
        row("blanks kept in quotes", "", " v ", "[Настройки]\r\nSound=\" v \"\r\n");
        row("quotes kept in quotes", "", "\"v\"", "[Настройки]\r\nSound=\"\"v\"\"\r\n");
        QTest::newRow("a UTF-8 editor's file written back in Windows-1251")
            << "\xEF\xBB\xBF" + QStringLiteral("[Настройки]\nA=Ёлка\n").toUtf8() << "v"
            << "[Настройки]\nA=Ёлка\nSound=v\n";
    }
    void setValue()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, value);
        QFETCH(QString, after);
        IniDocument file(before);
        file.setValue({Options, u"Sound"}, value);
        QCOMPARE(file.toBytes(), windows1251(after));
        QCOMPARE(IniDocument(file.toBytes()).value({Options, u"Sound"}), value);
    }

    void readSettings_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Change>("expected");
        QTest::addColumn<bool>("ok");
        const auto row = [](const char* name, const QString& lines, const Change& expected = {},
                            bool ok = true) { QTest::newRow(name) << lines << expected << ok; };
        const auto gr = [](const char* value, std::int32_t points, bool ok) {
            QTest::addRow("Gr=%s", value)
                << "[Статистика]\nGr=" + QString::fromUtf8(value)
                << Change([points](Settings& s) { s.tally.humanPoints = points; }) << ok;
        };
        const Change soundOff = [](Settings& s) { s.sound = false; };
        const Change high = [](Settings& s) { s.highLevel = true; };
        row("no keys", "");
        row("True", "[Настройки]\nSound=True");
        row("Truex", "[Настройки]\nSound=Truex", soundOff);
        row("true", "[Настройки]\nSound=true", soundOff);
        row("Low", "[Настройки]\nLevel=Low");
        row("Lowest", "[Настройки]\nLevel=Lowest", high);
        row("LOW", "[Настройки]\nLevel=LOW", high);
        row("normal", "[Настройки]\nWindowState=normal",
            [](Settings& s) { s.windowState.reset(); });
        row("Maximized", "[Настройки]\nWindowState=Maximized",
            [](Settings& s) { s.windowState = WindowState::Maximized; });
        row("backs cut to 5", "[Настройки]\nRubL=RubL12\nRubR=ab", [](Settings& s) {
            s.leftBack = "RubL1";
            s.rightBack = "ab";
        });
        row("every counter",
            "[Статистика]\nGr=1\nJn=2\nHy=3\nMatches=4\nVictOfGr=5\nVictOfJn=6\nVictOfHy=7",
            [](Settings& s) { s.tally = {1, 2, 3, 4, 5, 6, 7}; });
        const Settings lettersRead{false, "RubL1", "RubR1", {0, 2, 0, 0, 0, 0, 7}, {}, true};
        row(
            "letters in Gr and Matches, the rest read",
            "[Настройки]\nSound=False\nWindowState=Odd\nLevel=High\n"
            "[Статистика]\nGr=abc\nJn=2\nMatches=x\nVictOfHy=7",
            [lettersRead](Settings& s) { s = lettersRead; }, false);
        gr("2147483647", std::numeric_limits<std::int32_t>::max(), true);
        gr("-2147483648", std::numeric_limits<std::int32_t>::min(), true);
        gr(" +000000000000042 ", 42, true);
        for (const char* bad : {"2147483648", "-2147483649", "", "+-1", "1 2", "0x10", "٣"})
            gr(bad, 0, false);
    }
    void readSettings()
    {
        QFETCH(QString, file);
        QFETCH(Change, expected);
        QFETCH(bool, ok);
        Settings settings;
        if (expected)
            expected(settings);
        bool read = !ok;
        QCOMPARE(store::readSettings(IniDocument(windows1251(file)), &read), settings);
        QCOMPARE(read, ok);
    }

    void writesEveryKeyInTheGamesOrder()
    {
        IniDocument empty;
        writeSettings(Settings{}, empty);
        QCOMPARE(empty.toBytes(), windows1251(DefaultFile));

        const Settings changed{
            false, "RubL3", "RubR7", {1, 2, 3, 4, 5, 6, 7}, WindowState::Maximized, true};
        IniDocument file;
        writeSettings(changed, file);
        QCOMPARE(store::readSettings(IniDocument(file.toBytes())), changed);

        // A window minimised at close, or in a state the file named otherwise, leaves the key.
        for (const auto state :
             {std::optional(WindowState::Minimized), std::optional<WindowState>()}) {
            Settings settings;
            settings.windowState = state;
            writeSettings(settings, file);
            QCOMPARE(file.value({Options, u"WindowState"}), QStringLiteral("Maximized"));
        }
    }

    // A first run makes an empty file, beside the program unless the game may not write there
    // (as when it is installed), and every key goes into it at close. A file that cannot be
    // made or read is reported once, at start, and left as it is.
    void startAndClose_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("config");
        QTest::addColumn<QString>("used");
        QTest::addColumn<bool>("paramIsDirectory");
        const auto row = [](const char* name, const char* program, const char* config,
                            const char* used, bool paramIsDirectory) {
            QTest::newRow(name) << program << config << used << paramIsDirectory;
        };
        row("beside the program", "program", "config", "program", false);
        row("program directory not writable", "plain/program", "config/app", "config/app", false);
        row("Param.ini is a directory", "program", "config", "program", true);
        row("no directory can be made", "plain/program", "plain/config", "plain/config", false);
    }
    void startAndClose()
    {
        QFETCH(QString, program);
        QFETCH(QString, config);
        QFETCH(QString, used);
        QFETCH(bool, paramIsDirectory);
        QTemporaryDir root;
        QVERIFY(writeFile(root.filePath("plain"), {}) && QDir(root.path()).mkdir("program"));
        const QString path = root.filePath(used + "/Param.ini");
        QVERIFY(!paramIsDirectory || QDir().mkpath(path));
        const bool usable = !paramIsDirectory && !used.startsWith("plain");
        SettingsFile file(root.filePath(program), root.filePath(config));
        QCOMPARE(file.errorMessage(), "Файл " + QDir::toNativeSeparators(path) +
                                          " содержит ошибочные данные. Чтобы избежать "
                                          "дальнейших ошибок, удалите его.");
        Settings settings;
        settings.sound = false;
        QCOMPARE(file.load(settings), usable ? LoadResult::Loaded : LoadResult::FileError);
        QCOMPARE(settings, Settings{});
        QCOMPARE(contentsOf(path), usable ? QByteArray() : "<unreadable>");
        QCOMPARE(file.save(settings), usable ? SaveResult::Saved : SaveResult::NotLoaded);
        QCOMPARE(contentsOf(path), usable ? windows1251(DefaultFile) : "<unreadable>");
        QCOMPARE(QFileInfo(path).isDir(), paramIsDirectory);
    }

    // The bad counter is replaced; the player's own lines stay, even those added meanwhile.
    void badDataIsReportedAndRewrittenAtClose()
    {
        QTemporaryDir root;
        SettingsFile file(root.path(), root.filePath("config"));
        const QString before = QStringLiteral("; notes\r\n[Настройки]\r\nSound=False\r\nTheme=1\r\n"
                                              "\r\n[Статистика]\r\nGr=abc\r\nJn=12\r\n");
        QVERIFY(writeFile(file.filePath(), windows1251(before)));
        Settings settings;
        QCOMPARE(file.load(settings), LoadResult::DataError);
        QVERIFY(writeFile(file.filePath(), windows1251(before + "; later\r\n")));
        settings.tally.humanPoints += 2;
        QCOMPARE(file.save(settings), SaveResult::Saved);
        QCOMPARE(contentsOf(file.filePath()),
                 windows1251(QStringLiteral(
                     "; notes\r\n[Настройки]\r\nSound=False\r\nTheme=1\r\nRubL=RubL1\r\n"
                     "RubR=RubR1\r\nWindowState=Normal\r\nLevel=Low\r\n\r\n[Статистика]\r\nGr=2\r\n"
                     "Jn=12\r\nHy=0\r\nMatches=0\r\nVictOfGr=0\r\nVictOfJn=0\r\nVictOfHy=0\r\n"
                     "; later\r\n")));
    }

    // A read-only file, or a write that fails half-way (on a full disk, here past a file size
    // limit), leaves the old file whole.
    void failedSaveLeavesTheOldFileWhole_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read-only file") << true;
        QTest::newRow("file size limit reached") << false;
    }
    void failedSaveLeavesTheOldFileWhole()
    {
        QFETCH(bool, readOnly);
        if (readOnly && geteuid() == 0)
            QSKIP("root may write any file");
        QTemporaryDir root;
        SettingsFile file(root.path(), root.filePath("config"));
        const QByteArray before = windows1251(QStringLiteral("[Настройки]\r\nSound=False\r\n"));
        QVERIFY(writeFile(file.filePath(), before));
        QVERIFY(!readOnly || QFile::setPermissions(file.filePath(), QFileDevice::ReadOwner));
        Settings settings;
        QCOMPARE(file.load(settings), LoadResult::Loaded);
        settings.sound = true;

        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        const rlim_t size = readOnly ? previous.rlim_cur : static_cast<rlim_t>(before.size());
        const rlimit limit{size, previous.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const SaveResult saved = file.save(settings);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, handler);

        QCOMPARE(saved, SaveResult::Failed);
        QCOMPARE(contentsOf(file.filePath()), before);
        QCOMPARE(QDir(root.path()).entryList(QDir::Files | QDir::Hidden), {"Param.ini"});
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
