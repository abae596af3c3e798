// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/accessibility.h"

#include "chart/pie_chart.h"
#include "dialogs/design_picture.h"
#include "dialogs/spoken_texts.h"

#include <QAccessibleWidget>
#include <cmath>

namespace dialogs
{

namespace
{

// A back design, pressed like a button to pick it.
class DesignPictureAccessible : public QAccessibleWidget
{
public:
    explicit DesignPictureAccessible(DesignPicture* picture)
        : QAccessibleWidget(picture, QAccessible::Button)
    {
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<DesignPicture*>(widget())->pick();
    }
};

// The pie, read out as its title and, for every slice in order, whose it is, the points and
// the percentage its mark shows: "Сеня: 12 очков, 50 %".
class PieChartAccessible : public QAccessibleWidget
{
public:
    explicit PieChartAccessible(chart::PieChart* chart)
        : QAccessibleWidget(chart, QAccessible::Chart)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return chart::ChartTitle;
        if (kind == QAccessible::Description)
            return summary();
        return QAccessibleWidget::text(kind);
    }

private:
    QString summary() const
    {
        const auto* chart = static_cast<const chart::PieChart*>(widget());
        const QList<chart::PiePoint>& points = chart->points();
        const QList<chart::MarkLayout> marks = chart->currentLayout().marks;
        QStringList slices;
        for (qsizetype i = 0; i < points.size(); ++i) {
            // The chart draws a negative value, which only a hand-edited file gives, as its
            // magnitude.
            const auto magnitude = std::llround(std::abs(points[i].value));
            slices << points[i].label + QStringLiteral(": ") + spoken::pointCount(magnitude) +
                          QStringLiteral(", ") + marks[i].text.text;
        }
        return slices.join(QStringLiteral("; "));
    }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(DesignPicture::staticMetaObject.className()))
        return new DesignPictureAccessible(static_cast<DesignPicture*>(object));
    if (className == QLatin1String(chart::PieChart::staticMetaObject.className()))
        return new PieChartAccessible(static_cast<chart::PieChart*>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace dialogs
