#include "assets/pictures.h"

#include <QTest>

class TestPictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noneIsGreenAtTheProbe()
    {
        const QImage none = assets::LoadPicture(QStringLiteral("None"));
        QCOMPARE(none.size(), QSize(assets::FaceWidth, assets::FaceHeight));
        QCOMPARE(none.pixel(4, 1), qRgb(0, 128, 0));
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "test_pictures.moc"
