// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/start_up.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <array>
#include <chrono>

namespace platform
{

namespace
{

constexpr std::string_view Usage =
    "Usage: tavlen [--help | --version]\n"
    "Тавлен++: lay out a 36-card deck from the nines against two computer\n"
    "players. Drag your cards onto the table; press Space when none fits.\n"
    "Settings and the tally are kept in Param.ini (see tavlen(6)).\n";

constexpr int StatusDone = 0;
constexpr int StatusBadUsage = 2; // as getopt-style programs answer a wrong command line

using namespace std::string_view_literals;

// The options QApplication takes out of the command line itself, with one dash or two: those
// followed by a value, and those that stand alone.
constexpr std::array QtOptionsWithValue = {
    "platform"sv,        "platformpluginpath"sv, "platformtheme"sv, "plugin"sv,
    "qwindowgeometry"sv, "qwindowicon"sv,        "qwindowtitle"sv,  "session"sv,
    "display"sv,         "geometry"sv,           "name"sv,          "title"sv,
    "style"sv,           "stylesheet"sv};
constexpr std::array QtFlags = {"reverse"sv, "widgetcount"sv, "sync"sv, "nograb"sv, "dograb"sv};

// The option's name without its dashes; empty when `argument` is no option at all.
std::string_view optionName(std::string_view argument)
{
    if (argument.starts_with("--"))
        return argument.substr(2);
    if (argument.starts_with('-'))
        return argument.substr(1);
    return {};
}

bool isOneOf(std::string_view name, const auto& names)
{
    return !name.empty() && std::ranges::find(names, name) != names.end();
}

// Watches the window's events for its first exposure, then goes away.
class FirstExposureWatch final : public QObject
{
public:
    FirstExposureWatch(QObject* window, std::function<void()> work)
        : QObject(window), work_(std::move(work))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose) {
            // The window draws itself while it handles this event, after the filters: a
            // zero-time timer runs the work once that picture is out.
            QTimer::singleShot(0, watched, std::move(work_));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> work_;
};

} // namespace

std::optional<int> answerCommandLine(const std::vector<std::string_view>& arguments,
                                     std::string_view version, std::ostream& out, std::ostream& err)
{
    for (auto argument = arguments.begin(); argument != arguments.end(); ++argument) {
        if (*argument == "--help" || *argument == "-h") {
            out << Usage;
            return StatusDone;
        }
        if (*argument == "--version") {
            out << "Тавлен++ " << version << '\n';
            return StatusDone;
        }
        const std::string_view name = optionName(*argument);
        if (isOneOf(name, QtOptionsWithValue)) {
            if (argument + 1 != arguments.end())
                ++argument;
            continue;
        }
        if (isOneOf(name, QtFlags))
            continue;
        err << "tavlen: unknown argument '" << *argument << "'\n" << Usage;
        return StatusBadUsage;
    }
    return std::nullopt;
}

QFont interfaceFont(const QFont& desktopFont)
{
    if (!QFontInfo(desktopFont).fixedPitch())
        return desktopFont;
    QFont font(desktopFont);
    font.setFamily(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void installRussianQtTexts()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

std::uint32_t seedFromTimeOfDay()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

void runAfterFirstExposure(QObject* window, std::function<void()> work)
{
    new FirstExposureWatch(window, std::move(work));
}

} // namespace platform
