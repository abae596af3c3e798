// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/number_texts.h"

#include <QLocale>

namespace chart
{

namespace
{

constexpr int ValueDecimals = 3;
constexpr int PercentDecimals = 2;
constexpr double WholePercent = 100;

// At most `decimals` decimals, trailing zeros and a bare decimal comma dropped.
QString decimalText(double value, int decimals)
{
    const QLocale russian(QLocale::Russian);
    QString text = russian.toString(value, 'f', decimals);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(russian.decimalPoint()))
        text.chop(russian.decimalPoint().size());
    return text;
}

} // namespace

QString valueText(double value)
{
    return decimalText(value, ValueDecimals);
}

QString percentText(double percent)
{
    return decimalText(percent, PercentDecimals) + QStringLiteral(" %");
}

QString legendText(const PiePoint& point)
{
    QString label = point.label;
    label.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    label.replace(u'\n', u' ');
    label.replace(u'\r', u' ');
    return valueText(point.value) + u' ' + label;
}

QStringList markTexts(const QList<PiePoint>& points)
{
    const double total = valueTotal(points);
    QStringList texts;
    for (const PiePoint& point : points)
        texts.append(percentText(total == 0 ? WholePercent : point.value * WholePercent / total));
    return texts;
}

} // namespace chart
