// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window, the card-back chooser and the about box, each shown modally and
// looked at from a timer while it runs.
#include "assets/pictures.h"
#include "chart/pie_chart.h"
#include "dialogs/about_box.h"
#include "dialogs/back_chooser.h"
#include "dialogs/statistics_window.h"
#include "game/tally.h"

#include <QAccessible>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(game::Tally)

namespace
{

// Opens the dialog, runs `look` once it is up, then closes it if it is still open. Says
// whether it stood in the middle of the screen both ways, give or take the thickness of its
// window frame, which the desktop adds only once it shows, and every label as wide as its text.
bool whileShown(QDialog& dialog, const std::function<void()>& look)
{
    bool centred = false;
    QTimer::singleShot(0, &dialog, [&] {
        const QRect frame = dialog.frameGeometry();
        const QPoint off = frame.center() - dialog.screen()->geometry().center();
        const int thickness = frame.width() - dialog.width();
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        centred = std::abs(off.x()) <= thickness && std::abs(off.y()) <= thickness &&
                  std::all_of(labels.begin(), labels.end(), [](const QLabel* label) {
                      return label->width() >= label->sizeHint().width();
                  });
        look();
        dialog.close();
    });
    if (auto* statistics = qobject_cast<dialogs::StatisticsWindow*>(&dialog))
        statistics->showTally();
    else
        dialog.exec();
    return centred;
}

// The caption and size of a modal dialog of a fixed size with a close box only.
QString frame(const QDialog& dialog)
{
    const bool fixed = dialog.isModal() && dialog.minimumSize() == dialog.maximumSize() &&
                       !(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint);
    return QStringLiteral("%1 %2x%3")
        .arg(dialog.windowTitle())
        .arg(dialog.width())
        .arg(fixed ? dialog.height() : 0);
}

template <typename T> T* child(const QWidget& dialog, const char* name)
{
    return dialog.findChild<T*>(QString::fromLatin1(name));
}

// The statistics as the window shows them: the chart's points, then the four counts.
QString shown(const dialogs::StatisticsWindow& window)
{
    QStringList parts;
    for (const chart::PiePoint& point : child<chart::PieChart>(window, "Chart1")->points())
        parts
            << QStringLiteral("%1 %2 %3").arg(point.label).arg(point.value).arg(point.color.name());
    for (const char* label : {"Label2", "Label4", "Label6", "Label8"})
        parts << child<QLabel>(window, label)->text();
    return parts.join(u' ');
}

// The interface a screen reader sees for a widget.
QAccessibleInterface* spoken(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// The names of everything a screen reader reaches from the dialog's window downwards that is
// of the role given, in the tree's order; "?" stands for a control it would find nameless.
QStringList namesInTree(QAccessibleInterface* node, QAccessible::Role role)
{
    QStringList names;
    if (node->role() == role)
        names << (node->text(QAccessible::Name).isEmpty() ? QStringLiteral("?")
                                                          : node->text(QAccessible::Name));
    for (int i = 0; i < node->childCount(); ++i)
        names << namesInTree(node->child(i), role);
    return names;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The tally as it is when the window opens, and "Обнулить" offered while Matches is not 0.
    void statisticsShowTheTally_data()
    {
        QTest::addColumn<int>("matches");
        QTest::addColumn<bool>("resettable");
        QTest::newRow("counted games") << 8 << true;
        QTest::newRow("none, from a hand-edited file") << 0 << false;
        QTest::newRow("below 0, from a hand-edited file") << -3 << true;
    }
    void statisticsShowTheTally()
    {
        QFETCH(int, matches);
        QFETCH(bool, resettable);
        game::Tally tally{7, 12, 5, 0, 2, 5, 1};
        dialogs::StatisticsWindow window(tally, nullptr);
        QCOMPARE(frame(window), QStringLiteral("Статистика 316x401"));
        auto* reset = child<QPushButton>(window, "Button1");
        connect(&window, &dialogs::StatisticsWindow::resetRequested, this, [&] { tally = {}; });
        for (const int opening : {1, 2}) {
            tally.gamesPlayed = matches * opening;
            QVERIFY(whileShown(window, [&] {
                QCOMPARE(shown(window), QStringLiteral("Сеня 12 #0000ff Вы 7 #ff0000 Лёлик 5 "
                                                       "#008000 %1 5 2 1")
                                            .arg(matches * opening));
                QCOMPARE(reset->isEnabled(), resettable);
                QCOMPARE(window.focusWidget(), child<QPushButton>(window, "Button2"));
                if (resettable && opening == 2) {
                    // "Обнулить" clears at once and the window stays open.
                    QTest::mouseClick(reset, Qt::LeftButton);
                    QVERIFY(window.isVisible() && !reset->isEnabled());
                    QCOMPARE(shown(window), QStringLiteral("Сеня 0 #0000ff Вы 0 #ff0000 Лёлик 0 "
                                                           "#008000 0 0 0 0"));
                }
            }));
        }
    }

    // The chart read out as text, each player's points and the share its mark shows, worked
    // out by hand; a hand-edited negative count is read as the chart draws it, as a magnitude.
    // Each count is read with its caption, and Tab stops at the chart.
    void chartAndCountsAreReadOut_data()
    {
        QTest::addColumn<game::Tally>("tally");
        QTest::addColumn<QString>("chart");
        QTest::newRow("some weeks") << game::Tally{7, 12, 5, 8, 2, 5, 1}
                                    << "Сеня: 12 очков, 50 %; Вы: 7 очков, 29,17 %; "
                                       "Лёлик: 5 очков, 20,83 %";
        QTest::newRow("one, a few, none") << game::Tally{2, 1, 0, 1, 0, 0, 0}
                                          << "Сеня: 1 очко, 33,33 %; Вы: 2 очка, 66,67 %; "
                                             "Лёлик: 0 очков, 0 %";
        QTest::newRow("thousands, below 0") << game::Tally{-3, 21, 1234, 9, 0, 0, 9}
                                            << "Сеня: 21 очко, 1,67 %; Вы: 3 очка, 0,24 %; "
                                               "Лёлик: 1\u00a0234 очка, 98,09 %";
    }
    void chartAndCountsAreReadOut()
    {
        QFETCH(game::Tally, tally);
        QFETCH(QString, chart);
        dialogs::StatisticsWindow window(tally, nullptr);
        QAccessibleInterface* pie = spoken(child<chart::PieChart>(window, "Chart1"));
        QVERIFY(pie && pie->role() == QAccessible::Chart);
        QCOMPARE(pie->text(QAccessible::Name), QStringLiteral("Счёт"));
        whileShown(window, [&] {
            QCOMPARE(pie->text(QAccessible::Description), chart);
            // Tab goes from "Выход" to the chart and on to "Обнулить".
            QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
            QCOMPARE(window.focusWidget(), child<chart::PieChart>(window, "Chart1"));
            QCOMPARE(spoken(child<QLabel>(window, "Label4"))->text(QAccessible::Name),
                     QStringLiteral("Сколько раз Сеня финишировал первым: %1")
                         .arg(tally.johnFirstPlaces));
        });
    }

    // Each design is shown as it is where the design's table puts it on the panel (which
    // stands at 8, 8), and a left click at its centre or at any of its corners picks it; a
    // right click or the close box picks nothing.
    void aClickPicksADesignAndCloses()
    {
        dialogs::BackChooser chooser(nullptr);
        QCOMPARE(frame(chooser), QStringLiteral("Выбор рубашки 359x248"));
        QSignalSpy picked(&chooser, &dialogs::BackChooser::designPicked);
        QVERIFY(whileShown(chooser, [] {}) && picked.isEmpty());
        const QPoint designs[] = {{16, 16},  {96, 16},  {176, 16},  {256, 16},
                                  {16, 120}, {96, 120}, {176, 120}, {256, 120}};
        for (int design = 1; design <= assets::BackDesigns; ++design)
            for (const QPoint spot : {QPoint(35, 48), {0, 0}, {70, 0}, {0, 95}, {70, 95}}) {
                chooser.show();
                const QPoint at = QPoint(8, 8) + designs[design - 1] + spot;
                QWidget* hit = chooser.childAt(at);
                QCOMPARE(hit->grab().toImage().convertToFormat(QImage::Format_RGB32),
                         assets::loadPicture(QStringLiteral("Design%1").arg(design))
                             .convertToFormat(QImage::Format_RGB32));
                // On a screen of ratio 2, the generator's 2x picture.
                QImage dense(hit->size() * 2, QImage::Format_RGB32);
                dense.setDevicePixelRatio(2);
                hit->render(&dense);
                dense.setDevicePixelRatio(1);
                QCOMPARE(dense,
                         QImage(QStringLiteral(TAVLEN_PICTURE_DIR "/2x/DESIGN%1.bmp").arg(design))
                             .convertToFormat(QImage::Format_RGB32));
                QTest::mouseClick(hit, Qt::RightButton, {}, hit->mapFrom(&chooser, at));
                QVERIFY(picked.isEmpty() && chooser.isVisible());
                QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&chooser, at));
                QVERIFY(picked.size() == 1 && picked.takeFirst().front().toInt() == design);
                QVERIFY(!chooser.isVisible());
            }
    }

    // A screen reader finds the eight designs as buttons named for their number and look, in
    // their order, and pressing one picks it and closes the chooser.
    void aReaderPressesADesign()
    {
        dialogs::BackChooser chooser(nullptr);
        QSignalSpy picked(&chooser, &dialogs::BackChooser::designPicked);
        const QStringList names = namesInTree(spoken(&chooser), QAccessible::Button);
        QCOMPARE(names.size(), assets::BackDesigns);
        QCOMPARE(names[0], QStringLiteral("Рубашка 1: белая решётка на синем"));
        QCOMPARE(names[7], QStringLiteral("Рубашка 8: зелёная чешуя"));
        for (int design = 1; design <= assets::BackDesigns; ++design) {
            whileShown(chooser, [&] {
                QWidget* picture =
                    chooser.findChild<QWidget*>(QStringLiteral("Image%1").arg(design));
                spoken(picture)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
                QVERIFY(!chooser.isVisible());
            });
            QVERIFY(picked.size() == 1 && picked.takeFirst().front().toInt() == design);
        }
    }

    // The arrows, Home and End move among the designs as they stand in two rows of four, a
    // step off the rows staying put, and Tab goes on from the first; only the design the keys
    // reached shows a ring, and Space or Return picks it.
    void keysMoveAmongDesignsAndPick_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("design");
        QTest::newRow("right, right, down") << "Right Right Down Return" << 7;
        QTest::newRow("end, up") << "End Up Space" << 4;
        QTest::newRow("off the bottom, back home") << "Down Down Left Home Right Enter" << 2;
        QTest::newRow("off the top and the left") << "Up Left Space" << 1;
        QTest::newRow("off the right") << "End Right Return" << 8;
        QTest::newRow("tab") << "Tab Tab Return" << 3;
    }
    void keysMoveAmongDesignsAndPick()
    {
        QFETCH(QString, keys);
        QFETCH(int, design);
        dialogs::BackChooser chooser(nullptr);
        QSignalSpy picked(&chooser, &dialogs::BackChooser::designPicked);
        const auto press = [&](const QString& key) {
            QWidget* target = chooser.focusWidget() ? chooser.focusWidget() : &chooser;
            QTest::keyClick(target, Qt::Key(QKeySequence::fromString(key)[0].key()));
        };
        whileShown(chooser, [&] {
            QStringList moves = keys.split(u' ');
            const QString pick = moves.takeLast();
            for (const QString& key : moves)
                press(key);
            for (int shown = 1; shown <= assets::BackDesigns; ++shown) {
                auto* picture = chooser.findChild<QWidget*>(QStringLiteral("Image%1").arg(shown));
                const bool plain =
                    picture->grab().toImage().convertToFormat(QImage::Format_RGB32) ==
                    assets::loadPicture(QStringLiteral("Design%1").arg(shown))
                        .convertToFormat(QImage::Format_RGB32);
                QCOMPARE(plain, shown != design);
            }
            QVERIFY(picked.isEmpty());
            press(pick);
            QVERIFY(!chooser.isVisible());
        });
        QVERIFY(picked.size() == 1 && picked.takeFirst().front().toInt() == design);
    }

    // The name and version, and where to reach the game's makers, in full on its fixed line.
    void aboutNamesTheGameItsVersionAndHome()
    {
        dialogs::AboutBox about(nullptr);
        QCOMPARE(frame(about), QStringLiteral("О программе 335x99"));
        QVERIFY(whileShown(about, [&] {
            QVERIFY(child<QLabel>(about, "Label1")->text().startsWith("Тавлен++ 1.04"));
            const auto* contact = child<QLabel>(about, "Label2");
            QCOMPARE(contact->text(), QStringLiteral("Сайт игры: https://tavlen.example.org"));
            QVERIFY(contact->fontMetrics().horizontalAdvance(contact->text()) <= contact->width());
            QCOMPARE(about.focusWidget(), child<QPushButton>(about, "Button1"));
            QTest::mouseClick(child<QPushButton>(about, "Button1"), Qt::LeftButton);
            QVERIFY(!about.isVisible());
        }));
        // A reader hears it all as the box opens, and finds the icon named.
        QCOMPARE(spoken(&about)->text(QAccessible::Description),
                 QStringLiteral("Тавлен++ 1.04 — карточная игра для Linux. "
                                "Сайт игры: https://tavlen.example.org"));
        QCOMPARE(namesInTree(spoken(&about), QAccessible::Graphic), QStringList{"Значок игры"});
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
