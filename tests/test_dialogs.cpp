// The statistics window, the card-back chooser and the about box, each shown modally and
// driven from a timer while it runs.
#include "assets/pictures.h"
#include "chart/pie_chart.h"
#include "dialogs/about_box.h"
#include "dialogs/back_chooser.h"
#include "dialogs/statistics_window.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

namespace
{

// Runs `look` once the modal dialog is up, then closes it with the close box if it is still
// open; returns once exec() has returned.
void whileShown(QDialog& dialog, const std::function<void()>& show,
                const std::function<void()>& look)
{
    QTimer::singleShot(0, &dialog, [&] {
        look();
        if (dialog.isVisible())
            dialog.close();
    });
    show();
}

QString labelText(const QWidget& dialog, int number)
{
    return dialog.findChild<QLabel*>(QStringLiteral("Label%1").arg(number))->text();
}

QStringList points(const chart::PieChart& chart)
{
    QStringList shown;
    for (const chart::PiePoint& point : chart.points())
        shown
            << QStringLiteral("%1 %2 %3").arg(point.label).arg(point.value).arg(point.color.name());
    return shown;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dialogsHaveTheirCaptionsAndSizes_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::newRow("about") << "О программе" << QSize(335, 99);
        QTest::newRow("backs") << "Выбор рубашки" << QSize(359, 248);
        QTest::newRow("statistics") << "Статистика" << QSize(316, 401);
    }
    void dialogsHaveTheirCaptionsAndSizes()
    {
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        const game::Tally tally;
        dialogs::AboutBox about(nullptr);
        dialogs::BackChooser backs(nullptr);
        dialogs::StatisticsWindow statistics(tally, nullptr);
        for (QDialog* dialog : std::initializer_list<QDialog*>{&about, &backs, &statistics}) {
            if (dialog->windowTitle() != caption)
                continue;
            QCOMPARE(dialog->size(), size);
            QCOMPARE(dialog->minimumSize(), size);
            QCOMPARE(dialog->maximumSize(), size);
            QVERIFY(dialog->isModal());
            QVERIFY(!(dialog->windowFlags() & Qt::WindowMinMaxButtonsHint));
            return;
        }
        QFAIL("no dialog has that caption");
    }

    void statisticsShowTheTallyAsOpened()
    {
        game::Tally tally{.humanPoints = 7,
                          .johnPoints = 12,
                          .harryPoints = 5,
                          .gamesPlayed = 8,
                          .humanFirstPlaces = 2,
                          .johnFirstPlaces = 5,
                          .harryFirstPlaces = 1};
        dialogs::StatisticsWindow window(tally, nullptr);
        const auto* chart = window.findChild<chart::PieChart*>(QStringLiteral("Chart1"));
        auto* reset = window.findChild<QPushButton*>(QStringLiteral("Button1"));
        for (int opening = 0; opening < 3; ++opening)
            whileShown(
                window, [&] { window.showTally(); },
                [&] {
                    QCOMPARE(points(*chart),
                             QStringList({"Сеня 12 #0000ff", "Вы 7 #ff0000", "Лёлик 5 #008000"}));
                    QCOMPARE(labelText(window, 2), QStringLiteral("8"));
                    QCOMPARE(labelText(window, 4), QStringLiteral("5"));
                    QCOMPARE(labelText(window, 6), QStringLiteral("2"));
                    QCOMPARE(labelText(window, 8), QStringLiteral("1"));
                    QCOMPARE(labelText(window, 3),
                             QStringLiteral("Сколько раз Сеня финишировал первым::"));
                    QVERIFY(reset->isEnabled());
                    QCOMPARE(window.focusWidget(),
                             window.findChild<QPushButton*>(QStringLiteral("Button2")));
                    // A game ending meanwhile shows at the next opening only.
                    tally.humanPoints = 9;
                    QCOMPARE(chart->points().at(1).value, 7.0);
                    tally.humanPoints = 7;
                });

        // Points without a counted game, as a hand-edited file can give: nothing to reset.
        tally.gamesPlayed = 0;
        whileShown(
            window, [&] { window.showTally(); }, [&] { QVERIFY(!reset->isEnabled()); });
        tally.gamesPlayed = -3;
        whileShown(
            window, [&] { window.showTally(); },
            [&] {
                QVERIFY(reset->isEnabled());
                QCOMPARE(labelText(window, 2), QStringLiteral("-3"));
            });
    }

    void resetClearsAtOnceAndStaysOpen()
    {
        game::Tally tally{
            .humanPoints = 3, .johnPoints = 1, .gamesPlayed = 2, .humanFirstPlaces = 1};
        dialogs::StatisticsWindow window(tally, nullptr);
        connect(&window, &dialogs::StatisticsWindow::resetRequested, this, [&] { tally = {}; });
        QSignalSpy asked(&window, &dialogs::StatisticsWindow::resetRequested);
        whileShown(
            window, [&] { window.showTally(); },
            [&] {
                auto* reset = window.findChild<QPushButton*>(QStringLiteral("Button1"));
                QTest::mouseClick(reset, Qt::LeftButton);
                QCOMPARE(asked.count(), 1);
                QVERIFY(window.isVisible());
                QVERIFY(!reset->isEnabled());
                for (int value : {2, 4, 6, 8})
                    QCOMPARE(labelText(window, value), QStringLiteral("0"));
                const auto* chart = window.findChild<chart::PieChart*>();
                QCOMPARE(points(*chart),
                         QStringList({"Сеня 0 #0000ff", "Вы 0 #ff0000", "Лёлик 0 #008000"}));
            });
    }

    void aClickPicksADesignAndCloses()
    {
        dialogs::BackChooser chooser(nullptr);
        QSignalSpy picked(&chooser, &dialogs::BackChooser::designPicked);
        whileShown(
            chooser, [&] { chooser.exec(); },
            [&] {
                for (int design = 1; design <= assets::BackDesigns; ++design) {
                    auto* image =
                        chooser.findChild<QWidget*>(QStringLiteral("Image%1").arg(design));
                    QCOMPARE(image->cursor().shape(), Qt::PointingHandCursor);
                    QCOMPARE(image->grab().toImage().convertToFormat(QImage::Format_RGB32),
                             assets::loadPicture(QStringLiteral("Design%1").arg(design))
                                 .convertToFormat(QImage::Format_RGB32));
                }
                QTest::mouseClick(chooser.findChild<QWidget*>(QStringLiteral("Image5")),
                                  Qt::LeftButton);
                QVERIFY(!chooser.isVisible());
            });
        QCOMPARE(picked.count(), 1);
        QCOMPARE(picked.at(0).at(0).toInt(), 5);
        // The close box picks nothing.
        whileShown(
            chooser, [&] { chooser.exec(); }, [] {});
        QCOMPARE(picked.count(), 1);
    }

    void aboutNamesTheGameAndItsVersion()
    {
        dialogs::AboutBox about(nullptr);
        whileShown(
            about, [&] { about.exec(); },
            [&] {
                QVERIFY(labelText(about, 1).startsWith(QStringLiteral("Тавлен++ 1.04")));
                auto* ok = about.findChild<QPushButton*>(QStringLiteral("Button1"));
                QCOMPARE(about.focusWidget(), ok);
                QTest::mouseClick(ok, Qt::LeftButton);
                QVERIFY(!about.isVisible());
            });
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
