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

    // Cells stand one pixel apart; hand cards and backs overlap. Each grid fills its panel.
    void controlsSitOnTheirGrid()
    {
        QCOMPARE(QList({cellPosition(13), cellPosition(36), handPosition(12), backPosition(12)}),
                 QList({QPoint(216, 97), QPoint(576, 291), QPoint(517, 0), QPoint(0, 440)}));
    }
};

QTEST_GUILESS_MAIN(TestLayout)
#include "test_layout.moc"
