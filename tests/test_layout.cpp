// SPDX-License-Identifier: GPL-3.0-or-later
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

    // The table's, the hand's, John's and Harry's places, then which of the columns at the
    // sides and the hand show.
    void panelsFollowTheClientArea_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("panels");
        QTest::newRow("designed") << QSize(792, 526) << "72,8 102,422 2,8 728,8 columns hand";
        QTest::newRow("wider") << QSize(1001, 526) << "177,8 206,422 2,8 937,8 columns hand";
        QTest::newRow("taller") << QSize(792, 700) << "72,8 102,596 2,94 728,94 columns hand";
        QTest::newRow("one pixel narrower") << QSize(791, 526) << "72,8 102,422 2,8 727,8 hand";
        QTest::newRow("one pixel shorter") << QSize(792, 525) << "72,8 102,421 2,7 728,7 columns";
    }
    void panelsFollowTheClientArea()
    {
        QFETCH(QSize, client);
        const PanelPlacement p = placePanels(client);
        QStringList panels;
        for (const QPoint place : {p.cellGrid, p.handRow, p.johnColumn, p.harryColumn})
            panels << QStringLiteral("%1,%2").arg(place.x()).arg(place.y());
        panels << (p.columnsVisible ? "columns" : "") << (p.handVisible ? "hand" : "");
        QTEST(panels.join(u' ').simplified(), "panels");
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
