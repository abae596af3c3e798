// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/sim/results.h"

#include <QString>
#include <QTextStream>

namespace sim
{

// Prints the results as a small table, a line each for the human, John and Harry, under a
// heading that says what was played, and the speed at which it was played.
void writeReport(QTextStream& out, const QString& heading, const Results& results,
                 double gamesPerSecond);

} // namespace sim
