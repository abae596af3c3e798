// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/picture_cache.h"
#include "assets/pictures.h"
#include "assets/screen_picture.h"

#include <QFile>
#include <QRegularExpression>
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
constexpr int BmpBitsOffset = 28; // bits a pixel, in the BMP's header
// Shrunk back, the faces measured 0.964 (the jack of clubs) to 0.997, the other pictures from
// 0.848 (the fish scales, whose rims ring small discs) up.
constexpr double LeastFaceAgreement = 0.96;
constexpr double LeastBlockAgreement = 0.84;
// The rank in the top-left corner of a face, with a pixel of white around it but for the
// frame, and clear of the suit sign below it.
constexpr QRect CornerLetters(1, 2, 12, 11);
// The four pixels at 2x of a 1x pixel, from its top-left corner.
const QPoint Quarters[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
// The empty place, and the backs of gingham and tartan.
const QRegularExpression OnlyStraightLines(QStringLiteral("^(NONE|(RUBL|RUBR|DESIGN)[26])$"));

// One of the eight designs of a set of backs: "RubL", "RubR" or "Design".
QImage back(const char* set, int design)
{
    return assets::loadPicture(set + QString::number(design));
}

// Every picture the game has, by the names it is stored under.
QStringList allPictureNames()
{
    QStringList names = {QStringLiteral("NONE"), QStringLiteral("MAINICON")};
    for (const char* suit : {"BUB", "CHE", "KRE", "PIK"})
        for (const char* rank : {"6", "7", "8", "9", "10", "J", "Q", "K", "A"})
            names << QStringLiteral("%1_%2").arg(rank, suit);
    for (int design = 1; design <= assets::BackDesigns; ++design)
        for (const char* set : {"RUBL", "RUBR", "DESIGN"})
            names << set + QString::number(design);
    return names;
}

// The share of the 1x picture's pixels whose colour is the one most frequent colour of the
// 2 x 2 block that stands for it in the 2x picture: three of the four, or two where the other
// two differ.
double agreementOfBlocks(const QImage& single, const QImage& twice)
{
    int agreeing = 0;
    for (int y = 0; y < single.height(); ++y)
        for (int x = 0; x < single.width(); ++x) {
            QList<QRgb> others;
            for (const QPoint quarter : Quarters)
                if (twice.pixel(QPoint(x, y) * 2 + quarter) != single.pixel(x, y))
                    others << twice.pixel(QPoint(x, y) * 2 + quarter);
            agreeing += others.size() < 2 || (others.size() == 2 && others[0] != others[1]);
        }
    return double(agreeing) / (single.width() * single.height());
}

// The colour of a quarter of pixel (x, y) when `picture` is enlarged by the well-known
// Scale2x rule: a quarter takes the colour of the two neighbours on its side when they agree
// with each other and differ from the two on the far side.
QRgb scale2xQuarter(const QImage& picture, int x, int y, QPoint quarter)
{
    const QRgb here = picture.pixel(x, y);
    const QRgb up = picture.pixel(x, y - 1);
    const QRgb left = picture.pixel(x - 1, y);
    const QRgb right = picture.pixel(x + 1, y);
    const QRgb down = picture.pixel(x, y + 1);
    if (quarter == QPoint(0, 0))
        return left == up && up != right && left != down ? left : here;
    if (quarter == QPoint(1, 0))
        return up == right && up != left && right != down ? right : here;
    if (quarter == QPoint(0, 1))
        return left == down && left != up && down != right ? left : here;
    return down == right && left != down && up != right ? right : here;
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
        const QImage twice = assets::loadDoublePicture(name).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(assets::loadDoubleScreenPicture(name), twice);
        QCOMPARE(assets::loadDoubleScreenPicture(name).devicePixelRatio(),
                 twice.devicePixelRatio());
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
        const QImage doubleLeft = assets::loadDoublePicture(QStringLiteral("RubL%1").arg(design));
        QCOMPARE(assets::loadDoublePicture(QStringLiteral("RubR%1").arg(design)),
                 doubleLeft.mirrored(true, false));
        QCOMPARE(coloursOf(back("Design", design)), coloursOf(left));
        for (int other = 1; other < design; ++other)
            QVERIFY2(back("RubL", other) != left, qPrintable(QString::number(other)));
    }

    void unknownNamesGiveNullImage()
    {
        for (const char* name : {"", "RubL9", "11_bub", "NONE.bmp", "./NONE", "2x/NONE"}) {
            QVERIFY2(assets::loadPicture(name).isNull(), name);
            QVERIFY2(assets::loadScreenPicture(name).isNull(), name);
            QVERIFY2(assets::loadDoublePicture(name).isNull(), name);
        }
    }

    // Every picture drawn again at twice the size from the same shapes, in the same 16
    // colours at 4 bits a pixel. Shrunk back 2:1 by the majority of each 2 x 2 block it is
    // nearly the 1x picture: what differs are the pixels an edge passes through, where the
    // finer drawing may fall either way. Round and slanted shapes make it more than the 1x
    // picture with every pixel doubled; the empty place and the backs whose lines all run
    // along the rows and columns are exactly that.
    void drawnAgainAtTwiceTheSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("onlyStraightLines");
        QTest::addColumn<double>("leastAgreement");
        for (const QString& name : allPictureNames())
            QTest::newRow(qPrintable(name))
                << name << OnlyStraightLines.match(name).hasMatch()
                << (name.contains(u'_') ? LeastFaceAgreement : LeastBlockAgreement);
    }
    void drawnAgainAtTwiceTheSize()
    {
        QFETCH(QString, name);
        QFETCH(bool, onlyStraightLines);
        QFETCH(double, leastAgreement);
        const QImage single = assets::loadPicture(name);
        const QImage twice = assets::loadDoublePicture(name);
        QCOMPARE(twice.size(), single.size() * 2);
        QCOMPARE(twice.colorTable(), StandardPalette);
        QFile file(QStringLiteral(":/pictures/2x/%1.bmp").arg(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(
            qFromLittleEndian<quint16>(file.read(BmpBitsOffset + 2).constData() + BmpBitsOffset),
            quint16(4));

        const double agreement = agreementOfBlocks(single, twice);
        QVERIFY2(agreement >= leastAgreement, qPrintable(QString::number(agreement)));
        const QImage doubled =
            single.scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QCOMPARE(twice.convertToFormat(QImage::Format_RGB32) ==
                     doubled.convertToFormat(QImage::Format_RGB32),
                 onlyStraightLines);
    }

    // The corner letters are drawn in whole 1x pixels; at 2x their stairs turn into slopes
    // just as Scale2x would turn them.
    void cornerLettersSmoothedAtTwiceTheSize_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : allPictureNames())
            if (name.contains(u'_'))
                QTest::newRow(qPrintable(name)) << name;
    }
    void cornerLettersSmoothedAtTwiceTheSize()
    {
        QFETCH(QString, name);
        const QImage single = assets::loadPicture(name);
        const QImage twice = assets::loadDoublePicture(name);
        for (int y = CornerLetters.top(); y <= CornerLetters.bottom(); ++y)
            for (int x = CornerLetters.left(); x <= CornerLetters.right(); ++x)
                for (const QPoint quarter :
                     {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                    QVERIFY2(twice.pixel(QPoint(x, y) * 2 + quarter) ==
                                 scale2xQuarter(single, x, y, quarter),
                             qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
    }

    // A view asks for its pictures at its screen's device pixel ratio: 1 and below the 1x
    // picture, 2 and above the 2x one, and a ratio in between the 2x one smoothed down to it
    // (71 x 96 at 1.25 is 88.75 x 120, so 89 x 120), each drawn at the same logical size.
    void cachedForTheScreensRatio_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("tag");
        QTest::newRow("1") << 1.0 << QSize(71, 96) << 1.0;
        QTest::newRow("0.75") << 0.75 << QSize(71, 96) << 1.0;
        QTest::newRow("not a number") << qQNaN() << QSize(71, 96) << 1.0;
        QTest::newRow("1.25") << 1.25 << QSize(89, 120) << 1.25;
        QTest::newRow("1.5") << 1.5 << QSize(107, 144) << 1.5;
        QTest::newRow("2") << 2.0 << QSize(142, 192) << 2.0;
        QTest::newRow("3") << 3.0 << QSize(142, 192) << 2.0;
    }
    void cachedForTheScreensRatio()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, size);
        QFETCH(qreal, tag);
        assets::PictureCache cache;
        const QImage face = cache.picture(QStringLiteral("10_che"), ratio);
        QCOMPARE(face.size(), size);
        QCOMPARE(face.devicePixelRatio(), tag);
        // Kept, whatever the spelling: the same image, not read again.
        QCOMPARE(cache.picture(QStringLiteral("10_CHE"), ratio).cacheKey(), face.cacheKey());
        // The other density is its own picture, even after this one was kept; so is another
        // ratio in between.
        const qreal other = tag == 1 ? 2.0 : 1.0;
        QCOMPARE(cache.picture(QStringLiteral("10_che"), other).size(),
                 QSize(assets::FaceWidth, assets::FaceHeight) * other);
        QCOMPARE(cache.picture(QStringLiteral("10_che"), 1.75).size(), QSize(124, 168));
        // Smoothed, not stepped: a picture in between has colours of its own along its edges,
        // where one at 1x or 2x has only those of its palette.
        QSet<QRgb> colours;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                colours.insert(face.pixel(x, y));
        const bool between = tag > 1 && tag < 2;
        QCOMPARE(colours.size() > StandardPalette.size(), between);
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
