#include "window/layout.h"

#include <QTest>

using namespace window::layout;

class TestLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void halvesGoToTheEvenNeighbour_data()
    {
        QTest::addColumn<int>("twice");
        QTest::addColumn<int>("half");
        QTest::newRow("72.5") << 145 << 72;
        QTest::newRow("7.5") << 15 << 8;
        QTest::newRow("whole") << 144 << 72;
        QTest::newRow("0.5") << 1 << 0;
        QTest::newRow("-0.5") << -1 << 0;
        QTest::newRow("-1.5") << -3 << -2;
        QTest::newRow("-2.5") << -5 << -2;
    }
    void halvesGoToTheEvenNeighbour()
    {
        QFETCH(int, twice);
        QFETCH(int, half);
        QCOMPARE(halfRoundedToEven(twice), half);
    }

    void panelsFollowTheClientArea_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QPoint>("table");
        QTest::addColumn<QPoint>("hand");
        QTest::addColumn<QPoint>("left");
        QTest::addColumn<QPoint>("right");
        QTest::newRow("designed") << QSize(792, 526) << QPoint(72, 8) << QPoint(102, 422)
                                  << QPoint(2, 8) << QPoint(728, 8);
        QTest::newRow("wider") << QSize(1001, 526) << QPoint(177, 8) << QPoint(206, 422)
                               << QPoint(2, 8) << QPoint(937, 8);
        QTest::newRow("taller") << QSize(792, 700) << QPoint(72, 8) << QPoint(102, 596)
                                << QPoint(2, 94) << QPoint(728, 94);
        QTest::newRow("odd height") << QSize(792, 528) << QPoint(72, 8) << QPoint(102, 424)
                                    << QPoint(2, 8) << QPoint(728, 8);
    }
    void panelsFollowTheClientArea()
    {
        QFETCH(QSize, client);
        const PanelPlacement p = placePanels(client);
        QTEST(p.cellGrid, "table");
        QTEST(p.handRow, "hand");
        QTEST(p.johnColumn, "left");
        QTEST(p.harryColumn, "right");
    }

    void narrowOrShortWindowsHidePanels_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("sides");
        QTest::addColumn<bool>("hand");
        QTest::newRow("minimum") << QSize(792, 526) << true << true;
        QTest::newRow("one pixel narrower") << QSize(791, 526) << false << true;
        QTest::newRow("one pixel shorter") << QSize(792, 525) << true << false;
        QTest::newRow("small") << QSize(400, 300) << false << false;
    }
    void narrowOrShortWindowsHidePanels()
    {
        QFETCH(QSize, client);
        const PanelPlacement p = placePanels(client);
        QTEST(p.columnsVisible, "sides");
        QTEST(p.handVisible, "hand");
    }

    void controlsSitOnTheirGrid()
    {
        // The grids fill their panels exactly: cells one pixel apart, cards and backs overlapping.
        QCOMPARE(cellPosition(13), QPoint(3 * 72, 97));
        QCOMPARE(cellPosition(36).x() + 71, CellGridRect.width());
        QCOMPARE(cellPosition(36).y() + 96, CellGridRect.height());
        QCOMPARE(handPosition(12).x() + 71, HandRowRect.width());
        QCOMPARE(backPosition(12).y() + 71, JohnColumnRect.height());
    }
};

QTEST_GUILESS_MAIN(TestLayout)
#include "test_layout.moc"
