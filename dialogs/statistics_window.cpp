// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/statistics_window.h"

#include "chart/pie_chart.h"
#include "dialogs/accessibility.h"

#include <QAccessible>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace dialogs
{

namespace
{

constexpr QSize ClientSize{316, 401};
constexpr QRect ChartGeometry{8, 8, 300, 265};
constexpr QRect PanelGeometry{8, 280, 300, 81};
constexpr QRect ResetGeometry{8, 368, 65, 25};
constexpr QRect CloseGeometry{96, 368, 212, 25};
// Four rows of a caption and its value on the panel.
constexpr int FirstRowTop = 8;
constexpr int RowPitch = 16;
constexpr int CaptionLeft = 8;
constexpr int ValueLeft = 256;

const QColor JohnColor{0, 0, 255};
const QColor HumanColor{255, 0, 0};
const QColor HarryColor{0, 128, 0};

// One caption a row, top to bottom.
const std::array<QString, 4> RowCaptions = {
    QStringLiteral("Количество сыгранных партий:"),
    QStringLiteral("Сколько раз Сеня финишировал первым::"),
    QStringLiteral("Сколько раз Вы финишировали первым:"),
    QStringLiteral("Сколько раз Лёлик финишировал первым:"),
};

// A count as a screen reader hears it: its row's caption, then the count.
QString spokenRow(const QString& caption, std::int32_t count)
{
    QString spoken = caption;
    while (spoken.endsWith(u':'))
        spoken.chop(1);
    return spoken + QStringLiteral(": ") + QString::number(count);
}

// Labels are numbered down the rows, a caption and then its value.
QLabel* label(int number, const QString& text, QPoint at, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

StatisticsWindow::StatisticsWindow(const game::Tally& tally, QWidget* owner)
    : FixedDialog("FrmD", QStringLiteral("Статистика"), ClientSize, owner), tally_(tally)
{
    installAccessibility();
    chart_ = new chart::PieChart(this);
    chart_->setObjectName(QStringLiteral("Chart1"));
    chart_->setGeometry(ChartGeometry);
    // The chart takes no keys, but Tab stops at it so that a screen reader reads it out.
    chart_->setFocusPolicy(Qt::TabFocus);

    QFrame* panel = makeSunkenPanel(QStringLiteral("Panel1"), PanelGeometry, this);
    for (int row = 0; row < int(values_.size()); ++row) {
        const int top = FirstRowTop + row * RowPitch;
        label(2 * row + 1, RowCaptions[std::size_t(row)], {CaptionLeft, top}, panel);
        values_[std::size_t(row)] =
            label(2 * row + 2, QStringLiteral("0"), {ValueLeft, top}, panel);
    }

    resetButton_ = new QPushButton(QStringLiteral("Обнулить"), this);
    resetButton_->setObjectName(QStringLiteral("Button1"));
    resetButton_->setGeometry(ResetGeometry);
    resetButton_->setAccessibleDescription(QStringLiteral("Обнулить всю статистику"));
    connect(resetButton_, &QPushButton::clicked, this, &StatisticsWindow::reset);

    closeButton_ = new QPushButton(QStringLiteral("Выход"), this);
    closeButton_->setObjectName(QStringLiteral("Button2"));
    closeButton_->setGeometry(CloseGeometry);
    closeButton_->setAccessibleDescription(QStringLiteral("Закрыть окно"));
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(closeButton_, chart_);
    setTabOrder(chart_, resetButton_);
}

void StatisticsWindow::showTally()
{
    fill();
    // "Выход" comes first in the tab order and holds the focus whenever the window opens.
    closeButton_->setFocus();
    exec();
}

bool StatisticsWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        offerReset();
    return FixedDialog::event(event);
}

void StatisticsWindow::fill()
{
    chart_->clear();
    chart_->add(tally_.johnPoints, QStringLiteral("Сеня"), JohnColor);
    chart_->add(tally_.humanPoints, QStringLiteral("Вы"), HumanColor);
    chart_->add(tally_.harryPoints, QStringLiteral("Лёлик"), HarryColor);
    const std::int32_t counts[] = {tally_.gamesPlayed, tally_.johnFirstPlaces,
                                   tally_.humanFirstPlaces, tally_.harryFirstPlaces};
    for (std::size_t row = 0; row < values_.size(); ++row) {
        values_[row]->setText(QString::number(counts[row]));
        values_[row]->adjustSize();
        values_[row]->setAccessibleName(spokenRow(RowCaptions[row], counts[row]));
    }
    // The chart says its values only when asked; a screen reader that already read them
    // hears that they changed.
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(chart_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void StatisticsWindow::reset()
{
    Q_EMIT resetRequested();
    fill();
    resetButton_->setEnabled(false);
}

void StatisticsWindow::offerReset()
{
    resetButton_->setEnabled(tally_.gamesPlayed != 0);
}

} // namespace dialogs
