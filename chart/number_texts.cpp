// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/number_texts.h"

#include <QLocale>

namespace chart
{

namespace
{

constexpr int ValueDecimals = 3;
constexpr int PercentDecimals = 2;

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

} // namespace chart
