// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/pictures.h"
#include "assets/screen_picture.h"

#include <QFile>
#include <QSet>
#include <QTest>
#include <QtEndian>

namespace
{

const QRgb White = qRgb(255, 255, 255);
const QRgb TableGreen = qRgb(0, 128, 0);
// The standard 16-colour palette in its usual index order.
const QList<QRgb> StandardPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};
const QPoint Probe(4, 1); // the pixel that tells a card from an empty place
constexpr int WavByteRateOffset = 28;
constexpr int WavHeaderBytes = 44;
// A clip much shorter than a tenth of a second is not heard at all.
constexpr double ShortestHeardSeconds = 0.2;

// One of the eight designs of a set of backs: "RubL", "RubR" or "Design".
QImage back(const char* set, int design)
{
    return assets::loadPicture(set + QString::number(design));
}

QSet<QRgb> coloursOf(const QImage& picture)
{
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y));
    return colours;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The game asks for the faces in lower case and the backs in mixed case; the pictures are
    // stored under capitals, in 16 colours and so 4 bits a pixel. A face is white at the probe,
    // the empty place the cloth's green.
    void storedInSixteenColours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRgb>("probe");
        QTest::addColumn<int>("red"); // whether red shows: pips of diamonds and hearts, -1 unsaid
        const QSize face(assets::FaceWidth, assets::FaceHeight);
        const QSize back(assets::BackWidth, assets::BackHeight);
        for (const char* suit : {"bub", "che", "kre", "pik"})
            for (const char* rank : {"6", "7", "8", "9", "10", "J", "Q", "K", "A"})
                QTest::addRow("%s_%s", rank, suit)
                    << QStringLiteral("%1_%2").arg(rank, suit) << face << White
                    << (QStringLiteral("JQK").contains(rank)
                            ? -1
                            : int(QByteArray("bub che").contains(suit)));
        QTest::newRow("NONE") << "NONE" << face << TableGreen << -1;
        QTest::newRow("MAINICON") << "MAINICON" << QSize(assets::IconSize, assets::IconSize)
                                  << QRgb() << -1;
        for (int design = 1; design <= assets::BackDesigns; ++design)
            for (const auto& [set, size] :
                 {std::pair{"RubL", back}, {"RubR", back}, {"Design", face}})
                QTest::addRow("%s%d", set, design)
                    << set + QString::number(design) << size << QRgb() << -1;
    }
    void storedInSixteenColours()
    {
        QFETCH(QString, name);
        QFETCH(QRgb, probe);
        QFETCH(int, red);
        const QImage picture = assets::loadPicture(name);
        QVERIFY(red < 0 || coloursOf(picture).contains(qRgb(255, 0, 0)) == bool(red));
        // Unpacked for the screen by hand, it is what Qt's reader and conversion make of it.
        QCOMPARE(assets::loadScreenPicture(name), picture.convertToFormat(QImage::Format_RGB32));
        QTEST(picture.size(), "size");
        QCOMPARE(picture.colorTable(), StandardPalette);
        if (probe) {
            QCOMPARE(picture.pixel(Probe), probe);
            QCOMPARE(picture.pixel(0, 0), qRgb(0, 0, 0)); // the frame
        }
    }

    void backs_data()
    {
        QTest::addColumn<int>("design");
        for (int design = 1; design <= assets::BackDesigns; ++design)
            QTest::addRow("%d", design) << design;
    }
    // The right column shows the left one's mirror image. The chooser shows design d at full
    // card size, and picking it puts "RubL"d on the table: the two are one design, in the same
    // colours. Every design differs from the others.
    void backs()
    {
        QFETCH(int, design);
        const QImage left = back("RubL", design);
        QCOMPARE(back("RubR", design), left.mirrored(true, false));
        QCOMPARE(coloursOf(back("Design", design)), coloursOf(left));
        for (int other = 1; other < design; ++other)
            QVERIFY2(back("RubL", other) != left, qPrintable(QString::number(other)));
    }

    void unknownNamesGiveNullImage()
    {
        for (const char* name : {"", "RubL9", "11_bub", "NONE.bmp", "./NONE"})
            QVERIFY2(assets::loadPicture(name).isNull() && assets::loadScreenPicture(name).isNull(),
                     name);
    }

    void layingSoundIsLongEnoughToHear()
    {
        QFile file(QStringLiteral("Put.wav"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray wav = file.readAll();
        QVERIFY(wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt ");
        const quint32 bytesPerSecond =
            qFromLittleEndian<quint32>(wav.constData() + WavByteRateOffset);
        QVERIFY(double(wav.size() - WavHeaderBytes) / bytesPerSecond >= ShortestHeardSeconds);
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "test_pictures.moc"
