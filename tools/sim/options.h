// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "opponents/choice.h"
#include "tools/sim/simulator.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace sim
{

// The name of the deals file that stands for the standard input.
inline constexpr QStringView StandardInput = u"-";

// What the simulator is asked to play, as read from its command line.
struct Options {
    int games = 0;
    std::uint32_t seed = 0;
    opponents::Level level = opponents::Level::Low;
    HumanPolicy::Kind human = HumanPolicy::Kind::Random;
    bool trace = false;
    QString dealsFile; // empty: random deals
};

// Reads the command line. --help, and an option that does not exist, are answered by the
// parser, which ends the program; on a wrong value returns nothing with the reason in `error`.
std::optional<Options> readOptions(const QStringList& arguments, QString& error);

// One line saying what is played, to head the report.
QString describe(const Options& options);

} // namespace sim
