// Where the table, the hand and the columns of backs stand, worked out pixel by pixel.
#include "window/layout.h"

#include <QTest>

using namespace window::layout;

class TestLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void halvesGoToTheEvenNeighbour()
    {
        QList<int> halves;
        for (int twice : {145, 15, 144, 1, -1, -3, -5})
            halves << halfRoundedToEven(twice);
        QCOMPARE(halves, QList({72, 8, 72, 0, 0, -2, -2}));
    }

    // The panels' places, and whether the columns at the sides and the hand show.
    void panelsFollowTheClientArea_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QList<QPoint>>("places"); // table, hand, John's column, Harry's column
        QTest::addColumn<QList<bool>>("shown");    // the columns, the hand
        QTest::newRow("designed") << QSize(792, 526)
                                  << QList<QPoint>{{72, 8}, {102, 422}, {2, 8}, {728, 8}}
                                  << QList{true, true};
        QTest::newRow("wider") << QSize(1001, 526)
                               << QList<QPoint>{{177, 8}, {206, 422}, {2, 8}, {937, 8}}
                               << QList{true, true};
        QTest::newRow("taller") << QSize(792, 700)
                                << QList<QPoint>{{72, 8}, {102, 596}, {2, 94}, {728, 94}}
                                << QList{true, true};
        QTest::newRow("odd height")
            << QSize(792, 528) << QList<QPoint>{{72, 8}, {102, 424}, {2, 8}, {728, 8}}
            << QList{true, true};
        QTest::newRow("one pixel narrower")
            << QSize(791, 526) << QList<QPoint>{{72, 8}, {102, 422}, {2, 8}, {727, 8}}
            << QList{false, true};
        QTest::newRow("one pixel shorter")
            << QSize(792, 525) << QList<QPoint>{{72, 8}, {102, 421}, {2, 7}, {728, 7}}
            << QList{true, false};
    }
    void panelsFollowTheClientArea()
    {
        QFETCH(QSize, client);
        const PanelPlacement p = placePanels(client);
        QTEST(QList({p.cellGrid, p.handRow, p.johnColumn, p.harryColumn}), "places");
        QTEST(QList({p.columnsVisible, p.handVisible}), "shown");
    }

    // Cells stand one pixel apart; hand cards and backs overlap. Each grid fills its panel.
    void controlsSitOnTheirGrid()
    {
        QCOMPARE(QList({cellPosition(13), cellPosition(36), handPosition(12), backPosition(12)}),
                 QList({QPoint(216, 97), QPoint(576, 291), QPoint(517, 0), QPoint(0, 440)}));
    }
};

QTEST_GUILESS_MAIN(TestLayout)
#include "test_layout.moc"
