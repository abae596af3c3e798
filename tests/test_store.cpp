// "Param.ini": the text kept as the player left it, the twelve keys, and the file on disk.
#include "store/ini_document.h"

#include <QStringEncoder>
#include <QTest>
#include <random>

using namespace store;

namespace
{

const QString Options = QStringLiteral("Настройки");
const QString Missing = QStringLiteral("<missing>");
QByteArray windows1251(const QString& text)
{
    QStringEncoder encoder("windows-1251");
    return encoder(text);
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
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
