// SPDX-License-Identifier: GPL-3.0-or-later
// tavlen-sim: plays whole games with no window and reports how each seat did. Reads the
// command line, the deals when asked, then plays and times the games.
#include "tools/sim/options.h"
#include "tools/sim/results.h"
#include "tools/sim/simulator.h"
#include "tools/sim/trace.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

namespace
{

constexpr double NanosecondsPerSecond = 1e9;

// Reads the deals file, or the standard input; on a fault prints it and returns nothing.
std::optional<std::vector<game::Hands>> readDeals(const QString& path)
{
    QFile file(path);
    const bool opened = path == sim::StandardInput
                            ? file.open(stdin, QIODevice::ReadOnly | QIODevice::Text)
                            : file.open(QIODevice::ReadOnly | QIODevice::Text);
    QTextStream err(stderr);
    if (!opened) {
        err << "tavlen-sim: cannot read " << path << ": " << file.errorString() << '\n';
        return std::nullopt;
    }
    QTextStream in(&file);
    sim::DealReader reader;
    auto deals = reader.read(in);
    if (!deals)
        err << "tavlen-sim: " << path << ", " << reader.error() << '\n';
    return deals;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QString error;
    const std::optional<sim::Options> options = sim::readOptions(app.arguments(), error);
    if (!options) {
        QTextStream(stderr) << "tavlen-sim: " << error << '\n';
        return 1;
    }
    std::optional<std::vector<game::Hands>> deals;
    if (!options->dealsFile.isEmpty() && !(deals = readDeals(options->dealsFile)))
        return 1;

    QTextStream out(stdout);
    sim::TraceWriter trace(out);
    sim::Simulator simulator(options->seed, options->level, options->human,
                             options->trace ? &trace : nullptr);
    QElapsedTimer clock;
    clock.start();
    if (deals) {
        for (const game::Hands& hands : *deals)
            simulator.play(hands);
    } else {
        for (int played = 0; played < options->games; ++played)
            simulator.playRandomDeal();
    }
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / NanosecondsPerSecond;
    const sim::Results& results = simulator.results();
    sim::writeReport(out, sim::describe(*options), results,
                     static_cast<double>(results.games()) / seconds);
    return 0;
}
