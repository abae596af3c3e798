// "Param.ini": the text kept as the player left it, the twelve keys, and the file on disk.
#include "store/ini_document.h"
#include "store/settings.h"

#include <QStringEncoder>
#include <QTest>
#include <functional>
#include <limits>
#include <random>

using namespace store;

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

Settings changed(const Change& change)
{
    Settings settings;
    if (change)
        change(settings);
    return settings;
}

} // namespace

class TestStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void value_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const QString& file, const char* key,
                            const QString& expected) {
            QTest::newRow(name) << file << QString::fromLatin1(key) << expected;
        };
        const QString head = QStringLiteral("[Настройки]\n");
        row("names in another case", "[нАСТРОЙКИ]\nsOUND=x", "Sound", "x");
        row("blanks around names and value", "\t[ Настройки ] \n Sound\t=  a b \r\n", "Sound",
            "a b");
        row("quotes taken off", head + "Sound=\" a \"", "Sound", " a ");
        row("only a pair of quotes", head + "Sound=\"a\"b\"", "Sound", "a\"b");
        row("a lone quote kept", head + "Sound=\"a", "Sound", "\"a");
        row("empty value", head + "Sound=", "Sound", "");
        row("first of two keys", head + "Sound=1\nsound=2", "Sound", "1");
        row("first of two sections", head + "RubL=1\n" + head + "Sound=2", "Sound", Missing);
        row("before any section", "Sound=1\n" + head, "Sound", Missing);
        row("in the next section", head + "[Статистика]\nSound=1", "Sound", Missing);
        row("comment", head + ";Sound=1", "Sound", Missing);
        row("header without its bracket", "[Настройки\nSound=1", "Sound", Missing);
        row("NUL in the value", head + "Sound=a" + QChar(0) + "b", "Sound",
            QString("a") + QChar(0) + "b");
        row("value cut", head + "Sound=" + QString(3000, u'x'), "Sound", QString(2047, u'x'));
    }
    void value()
    {
        QFETCH(QString, file);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(IniDocument(windows1251(file)).value({Options, key}).value_or(Missing), expected);
    }

    void setValue_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, const char* before, const char* value,
                            const char* after) {
            QTest::newRow(name) << QString::fromUtf8(before) << QString::fromUtf8(value)
                                << QString::fromUtf8(after);
        };
        row("rewritten in its place", "; top\r\n[Настройки]\r\nA=1\r\n sound = 0 \r\n\r\nB=2\r\n",
            "v", "; top\r\n[Настройки]\r\nA=1\r\nSound=v\r\n\r\nB=2\r\n");
        row("first of two keys", "[Настройки]\nSound=1\nsound=2\n", "v",
            "[Настройки]\nSound=v\nsound=2\n");
        row("added after the last key", "[Настройки]\nA=1\n\n; tally\n[Статистика]\nGr=2\n", "v",
            "[Настройки]\nA=1\nSound=v\n\n; tally\n[Статистика]\nGr=2\n");
        row("added after a bare header", "[Настройки]\n\n[x]\n", "v",
            "[Настройки]\nSound=v\n\n[x]\n");
        row("into the first of two sections", "[Настройки]\nA=1\n[Настройки]\nSound=1\n", "v",
            "[Настройки]\nA=1\nSound=v\n[Настройки]\nSound=1\n");
        row("section added at the end", "[x]\r\nA=1\r\n", "v",
            "[x]\r\nA=1\r\n[Настройки]\r\nSound=v\r\n");
        row("no last line end stays so", "[Настройки]\nA=1", "v", "[Настройки]\nA=1\nSound=v");
        row("new file", "", "v", "[Настройки]\r\nSound=v\r\n");
        row("blanks kept in quotes", "", " v ", "[Настройки]\r\nSound=\" v \"\r\n");
        row("quotes kept in quotes", "", "\"v\"", "[Настройки]\r\nSound=\"\"v\"\"\r\n");
    }
    void setValue()
    {
        QFETCH(QString, before);
        QFETCH(QString, value);
        QFETCH(QString, after);
        IniDocument file(windows1251(before));
        file.setValue({Options, u"Sound"}, value);
        QCOMPARE(file.toBytes(), windows1251(after));
        QCOMPARE(IniDocument(file.toBytes()).value({Options, u"Sound"}), value);
    }

    // A file saved by a UTF-8 editor reads as the game's own; saving turns it back.
    void readsWhatAnEditorSavedAsUtf8_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QString text = QStringLiteral("[Настройки]\nRubL=Ёлка\n");
        QTest::newRow("Windows-1251") << windows1251(text);
        QTest::newRow("UTF-8") << text.toUtf8();
        QTest::newRow("UTF-8 with a byte-order mark") << "\xEF\xBB\xBF" + text.toUtf8();
    }
    void readsWhatAnEditorSavedAsUtf8()
    {
        QFETCH(QByteArray, file);
        const IniDocument document(file);
        QCOMPARE(document.value({Options, u"RubL"}), QStringLiteral("Ёлка"));
        QCOMPARE(document.toBytes(), windows1251(QStringLiteral("[Настройки]\nRubL=Ёлка\n")));
    }

    void anyBytesKeepTheirNeighboursAndTheKeys_data()
    {
        QTest::addColumn<QByteArray>("junk");
        std::mt19937 random(1);
        QByteArray binary;
        for (int i = 0; i < 1 << 16; ++i)
            binary += static_cast<char>(random());
        QTest::newRow("binary") << binary;
        QTest::newRow("a 1 MB line") << QByteArray(1 << 20, 'x');
        QTest::newRow("NUL bytes and undefined ones") << QByteArray("\0\x98\0", 3);
        QTest::newRow("stray brackets and signs") << QByteArray("\r\r[\n]\n=\n[[]]=\"\n\r");
    }
    void anyBytesKeepTheirNeighboursAndTheKeys()
    {
        QFETCH(QByteArray, junk);
        IniDocument file(junk + windows1251(QStringLiteral("\n[Настройки]\nSound=1\n[x]\n")) +
                         junk);
        file.setValue({Options, u"Sound"}, u"2");
        file.setValue({Options, u"RubL"}, u"3");
        const QByteArray saved = file.toBytes();
        QVERIFY(saved.startsWith(junk));
        QVERIFY(saved.endsWith(junk));
        const IniDocument again(saved);
        QCOMPARE(again.value({Options, u"Sound"}), QStringLiteral("2"));
        QCOMPARE(again.value({Options, u"RubL"}), QStringLiteral("3"));
    }

    void readSettings_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Change>("expected");
        QTest::addColumn<bool>("ok");
        const auto row = [](const char* name, const char* lines, const Change& expected = {},
                            bool ok = true) {
            QTest::newRow(name) << QString::fromUtf8(lines) << expected << ok;
        };
        const Change soundOff = [](Settings& s) { s.sound = false; };
        const Change high = [](Settings& s) { s.highLevel = true; };
        const Change stateKept = [](Settings& s) { s.windowState.reset(); };
        const auto human = [](std::int32_t points) -> Change {
            return [points](Settings& s) { s.tally.humanPoints = points; };
        };
        const auto bad = [&row](const char* name, const char* lines) {
            row(name, lines, {}, false);
        };
        row("no keys", "");
        row("True", "[Настройки]\nSound=True");
        row("Truex", "[Настройки]\nSound=Truex", soundOff);
        row("true", "[Настройки]\nSound=true", soundOff);
        row("False", "[Настройки]\nSound=False", soundOff);
        row("Low", "[Настройки]\nLevel=Low");
        row("Lowest", "[Настройки]\nLevel=Lowest", high);
        row("LOW", "[Настройки]\nLevel=LOW", high);
        row("Normal", "[Настройки]\nWindowState=Normal");
        row("normal", "[Настройки]\nWindowState=normal", stateKept);
        row("Minimized", "[Настройки]\nWindowState=Minimized", stateKept);
        row("Maximized", "[Настройки]\nWindowState=Maximized",
            [](Settings& s) { s.windowState = WindowState::Maximized; });
        row("backs cut to 5", "[Настройки]\nRubL=RubL12\nRubR=ab", [](Settings& s) {
            s.leftBack = "RubL1";
            s.rightBack = "ab";
        });
        row("names in another case", "[настройки]\nsound=False", soundOff);
        row("every counter",
            "[Статистика]\nGr=1\nJn=2\nHy=3\nMatches=4\nVictOfGr=5\nVictOfJn=6\nVictOfHy=7",
            [](Settings& s) { s.tally = {1, 2, 3, 4, 5, 6, 7}; });
        row(
            "letters in Gr and Matches, the rest read",
            "[Настройки]\nSound=False\nWindowState=Maximized\nLevel=High\n"
            "[Статистика]\nGr=abc\nJn=2\nVictOfHy=7\nMatches=x",
            [](Settings& s) {
                s = {false, "RubL1", "RubR1", {0, 2, 0, 0, 0, 0, 7}, WindowState::Maximized, true};
            },
            false);
        row("largest", "[Статистика]\nGr=2147483647",
            human(std::numeric_limits<std::int32_t>::max()));
        row("smallest", "[Статистика]\nGr=-2147483648",
            human(std::numeric_limits<std::int32_t>::min()));
        row("plus sign, blanks", "[Статистика]\nGr= +7 ", human(7));
        row("leading zeros", "[Статистика]\nGr=000000000000042", human(42));
        bad("one past the largest", "[Статистика]\nGr=2147483648");
        bad("one past the smallest", "[Статистика]\nGr=-2147483649");
        bad("empty", "[Статистика]\nGr=");
        bad("sign alone", "[Статистика]\nGr=-");
        bad("two signs", "[Статистика]\nGr=+-1");
        bad("inner blank", "[Статистика]\nGr=1 2");
        bad("hexadecimal", "[Статистика]\nGr=0x10");
        bad("other digits", "[Статистика]\nGr=٣");
    }
    void readSettings()
    {
        QFETCH(QString, file);
        QFETCH(Change, expected);
        QFETCH(bool, ok);
        bool read = !ok;
        QCOMPARE(store::readSettings(IniDocument(windows1251(file)), &read), changed(expected));
        QCOMPARE(read, ok);
    }

    void writesEveryKeyInTheGamesOrder()
    {
        IniDocument empty;
        writeSettings(Settings{}, empty);
        QCOMPARE(empty.toBytes(), windows1251(DefaultFile));

        constexpr auto Largest = std::numeric_limits<std::int32_t>::max();
        constexpr auto Smallest = std::numeric_limits<std::int32_t>::min();
        const Settings changed{
            false, "RubL3", "RubR7", {Largest, Smallest, 3, 4, 5, 6, 7}, WindowState::Maximized,
            true};
        IniDocument file;
        writeSettings(changed, file);
        bool ok = false;
        QCOMPARE(store::readSettings(IniDocument(file.toBytes()), &ok), changed);
        QVERIFY(ok);
    }

    // A minimised window, or a state the file named otherwise, leaves the stored state.
    void windowStateWritten_data()
    {
        QTest::addColumn<Change>("state");
        QTest::addColumn<QString>("stored");
        QTest::newRow("normal") << Change{} << "Normal";
        QTest::newRow("maximised")
            << Change([](Settings& s) { s.windowState = WindowState::Maximized; }) << "Maximized";
        QTest::newRow("minimised")
            << Change([](Settings& s) { s.windowState = WindowState::Minimized; }) << "Odd";
        QTest::newRow("none") << Change([](Settings& s) { s.windowState.reset(); }) << "Odd";
    }
    void windowStateWritten()
    {
        QFETCH(Change, state);
        QFETCH(QString, stored);
        IniDocument file(windows1251(QStringLiteral("[Настройки]\nWindowState=Odd\n")));
        writeSettings(changed(state), file);
        QCOMPARE(file.value({Options, u"WindowState"}), stored);
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
