#include "assets/pictures.h"

#include <QFile>
#include <QPainter>
#include <QSet>
#include <QTest>
#include <QtEndian>
#include <cstdlib>

namespace
{

const QStringList Ranks = {"6", "7", "8", "9", "10", "J", "Q", "K", "A"};
const QStringList SuitWords = {"bub", "che", "kre", "pik"};

QStringList faceNames()
{
    QStringList names;
    for (const QString& suit : SuitWords)
        for (const QString& rank : Ranks)
            names << rank + u'_' + suit;
    return names;
}

// The back pictures come in sets of eight designs: "RubL", "RubR" and "Design".
QString backName(const QString& set, int design)
{
    return set + QString::number(design);
}

QSet<QRgb> coloursOf(const QImage& picture)
{
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y));
    return colours;
}

// The standard 16-colour palette in its usual index order.
const QList<QRgb> StandardPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};
const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb TableGreen = qRgb(0, 128, 0);
const QPoint Probe(4, 1); // the pixel that tells a card from an empty place
// A back's black edge, white margin and the frame line of its field, from each corner in.
constexpr int BackBorder = 4;

// The desktop icons are drawn afresh at each size, so they only resemble the 32 x 32 one: laid
// on the cloth and shrunk to its size they differ from it by about an eighth on average, where
// the same picture turned over differs by nearly a quarter.
constexpr double IconLikeness = 0.18;

// The mean difference of two pictures of one size, 0 for equal and 1 for black against white.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    constexpr double Channels = 3;
    constexpr double Full = 255;
    return sum / (Channels * Full * a.width() * a.height());
}

// Fields of the BMP file headers.
constexpr int BitCountOffset = 28;
constexpr int CompressionOffset = 30;

// Fields of a plain 44-byte WAV header.
constexpr int WavByteRateOffset = 28;
constexpr int WavHeaderBytes = 44;
constexpr double ShortestHeardSeconds = 0.2;

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT
    static void designs()
    {
        QTest::addColumn<int>("design");
        for (int design = 1; design <= assets::BackDesigns; ++design)
            QTest::addRow("%d", design) << design;
    }

private Q_SLOTS:
    void storedAsFourBitBmp_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        const QSize face(assets::FaceWidth, assets::FaceHeight);
        for (const QString& name : faceNames())
            QTest::newRow(qPrintable(name)) << name << face;
        QTest::newRow("NONE") << "NONE" << face;
        for (int design = 1; design <= assets::BackDesigns; ++design) {
            for (const char* set : {"RubL", "RubR"})
                QTest::newRow(qPrintable(backName(set, design)))
                    << backName(set, design) << QSize(assets::BackWidth, assets::BackHeight);
            QTest::newRow(qPrintable(backName("Design", design)))
                << backName("Design", design) << face;
        }
        QTest::newRow("MAINICON") << "MAINICON" << QSize(assets::IconSize, assets::IconSize);
    }

    void storedAsFourBitBmp()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage picture = assets::loadPicture(name);
        QCOMPARE(picture.size(), size);
        QCOMPARE(picture.format(), QImage::Format_Indexed8);
        QCOMPARE(picture.colorTable(), StandardPalette);

        QFile file(QStringLiteral(":/pictures/") + name.toUpper() + QStringLiteral(".bmp"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + BitCountOffset), quint16(4));
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + CompressionOffset), quint32(0));
    }

    void facesAreWhiteInsideABlackFrame_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : faceNames())
            QTest::newRow(qPrintable(name)) << name;
    }

    void facesAreWhiteInsideABlackFrame()
    {
        QFETCH(QString, name);
        const QImage face = assets::loadPicture(name);
        QCOMPARE(face.pixel(Probe), White);
        // The one-pixel frame.
        const QRect inside = face.rect().adjusted(1, 1, -1, -1);
        for (const QPoint& corner : {face.rect().topLeft(), face.rect().bottomRight()})
            QCOMPARE(face.pixel(corner), Black);
        QCOMPARE(face.pixel(inside.topLeft()), White);
        QCOMPARE(face.pixel(inside.bottomRight()), White);
    }

    void emptyPlaceIsGreenAtTheProbe()
    {
        const QImage none = assets::loadPicture(QStringLiteral("NONE"));
        QCOMPARE(none.pixel(Probe), TableGreen);
        QCOMPARE(none.pixel(0, 0), Black);
    }

    void rightBackMirrorsLeft_data() { designs(); }

    void rightBackMirrorsLeft()
    {
        QFETCH(int, design);
        const QImage left = assets::loadPicture(backName("RubL", design));
        const QImage right = assets::loadPicture(backName("RubR", design));
        QVERIFY(!left.isNull());
        QCOMPARE(right, left.mirrored(true, false));
    }

    void fullSizeDesignMatchesLeftBack_data() { designs(); }

    // The chooser shows design d at full card size; picking it puts "RubL"d on the table, so
    // the two must be the same design: the same colours, the same frame and margins.
    void fullSizeDesignMatchesLeftBack()
    {
        QFETCH(int, design);
        const QImage left = assets::loadPicture(backName("RubL", design));
        const QImage full = assets::loadPicture(backName("Design", design));
        QCOMPARE(coloursOf(full), coloursOf(left));
        const QSize corner(BackBorder, BackBorder);
        for (const QPoint& from : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
            const auto cornerOf = [&](const QImage& back) {
                const QPoint at((back.width() - BackBorder) * from.x(),
                                (back.height() - BackBorder) * from.y());
                return back.copy(QRect(at, corner));
            };
            QCOMPARE(cornerOf(full), cornerOf(left));
        }
    }

    void backDesignsDiffer_data()
    {
        QTest::addColumn<QString>("set");
        QTest::newRow("left column") << "RubL";
        QTest::newRow("full size") << "Design";
    }

    void backDesignsDiffer()
    {
        QFETCH(QString, set);
        for (int a = 1; a <= assets::BackDesigns; ++a)
            for (int b = a + 1; b <= assets::BackDesigns; ++b)
                QVERIFY2(assets::loadPicture(backName(set, a)) !=
                             assets::loadPicture(backName(set, b)),
                         qPrintable(QStringLiteral("designs %1 and %2").arg(a).arg(b)));
    }

    void lookupIgnoresCase_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("stored");
        QTest::newRow("None") << "None"
                              << "NONE";
        QTest::newRow("rubl1") << "rubl1"
                               << "RUBL1";
        QTest::newRow("10_bub") << "10_bub"
                                << "10_BUB";
        QTest::newRow("k_Che") << "k_Che"
                               << "K_CHE";
    }

    void lookupIgnoresCase()
    {
        QFETCH(QString, asked);
        QFETCH(QString, stored);
        const QImage picture = assets::loadPicture(asked);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture, assets::loadPicture(stored));
    }

    void unknownNamesGiveNullImage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("no such design") << "RubL9";
        QTest::newRow("rank as a number") << "11_bub";
        QTest::newRow("with extension") << "NONE.bmp";
        QTest::newRow("with a path") << "../pictures/NONE";
    }

    void unknownNamesGiveNullImage()
    {
        QFETCH(QString, name);
        QVERIFY(assets::loadPicture(name).isNull());
    }

    void desktopIconsAreTheIconAtTheirSizes_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {32, 48, 64, 128, 256})
            QTest::addRow("%d", size) << size;
    }

    void desktopIconsAreTheIconAtTheirSizes()
    {
        QFETCH(int, size);
        const QImage icon(QStringLiteral("icons/hicolor/%1x%1/apps/tavlen.png").arg(size));
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);

        QImage onCloth(icon.size(), QImage::Format_RGB32);
        onCloth.fill(TableGreen);
        QPainter(&onCloth).drawImage(0, 0, icon);
        const QImage small = onCloth.scaled(assets::IconSize, assets::IconSize,
                                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double difference =
            meanDifference(small, assets::loadPicture(QStringLiteral("MAINICON")));
        QVERIFY2(difference < IconLikeness, qPrintable(QString::number(difference)));
    }

    // A clip much shorter than a tenth of a second is not heard at all.
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
