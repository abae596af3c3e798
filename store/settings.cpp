// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/settings.h"

#include "store/ini_document.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <variant>

namespace store
{

namespace
{

constexpr QStringView OptionsSection = u"Настройки";
constexpr QStringView TallySection = u"Статистика";

constexpr QStringView SoundOn = u"True";
constexpr QStringView SoundOff = u"False";
constexpr QStringView NormalWindow = u"Normal";
constexpr QStringView MaximizedWindow = u"Maximized";
constexpr QStringView LowLevel = u"Low";
constexpr QStringView HighLevel = u"High";
constexpr QStringView MissingCounter = u"0";

// A key of the options section: the text a missing key reads as, how many of its first
// characters count, how that text sets the settings, and the text the settings write back
// (none leaves the key as the file has it).
struct OptionKey {
    QStringView name;
    QStringView missing;
    qsizetype significant;
    void (*read)(Settings& settings, const QString& text);
    std::optional<QString> (*write)(const Settings& settings);
};

// A key of the tally section: one counter, 0 when missing.
struct CounterKey {
    QStringView name;
    std::int32_t game::Tally::*counter;
};

using SettingKey = std::variant<OptionKey, CounterKey>;

void readSound(Settings& settings, const QString& text)
{
    settings.sound = text == SoundOn;
}

std::optional<QString> soundText(const Settings& settings)
{
    return (settings.sound ? SoundOn : SoundOff).toString();
}

void readLeftBack(Settings& settings, const QString& text)
{
    settings.leftBack = text;
}

std::optional<QString> leftBackText(const Settings& settings)
{
    return settings.leftBack;
}

void readRightBack(Settings& settings, const QString& text)
{
    settings.rightBack = text;
}

std::optional<QString> rightBackText(const Settings& settings)
{
    return settings.rightBack;
}

void readWindowState(Settings& settings, const QString& text)
{
    if (text == NormalWindow)
        settings.windowState = WindowState::Normal;
    else if (text == MaximizedWindow)
        settings.windowState = WindowState::Maximized;
    else
        settings.windowState.reset();
}

std::optional<QString> windowStateText(const Settings& settings)
{
    if (settings.windowState == WindowState::Normal)
        return NormalWindow.toString();
    if (settings.windowState == WindowState::Maximized)
        return MaximizedWindow.toString();
    return std::nullopt;
}

void readLevel(Settings& settings, const QString& text)
{
    settings.highLevel = text != LowLevel;
}

std::optional<QString> levelText(const Settings& settings)
{
    return (settings.highLevel ? HighLevel : LowLevel).toString();
}

// The keys in the order the game has always read and written them; the order decides where a
// key that the file lacks is added.
constexpr std::array<SettingKey, 12> Keys{
    OptionKey{u"Sound", SoundOn, 5, readSound, soundText},
    OptionKey{u"RubL", u"RubL1", 5, readLeftBack, leftBackText},
    OptionKey{u"RubR", u"RubR1", 5, readRightBack, rightBackText},
    CounterKey{u"Gr", &game::Tally::humanPoints},
    CounterKey{u"Jn", &game::Tally::johnPoints},
    CounterKey{u"Hy", &game::Tally::harryPoints},
    OptionKey{u"WindowState", NormalWindow, 11, readWindowState, windowStateText},
    CounterKey{u"Matches", &game::Tally::gamesPlayed},
    CounterKey{u"VictOfGr", &game::Tally::humanFirstPlaces},
    CounterKey{u"VictOfJn", &game::Tally::johnFirstPlaces},
    CounterKey{u"VictOfHy", &game::Tally::harryFirstPlaces},
    OptionKey{u"Level", LowLevel, 4, readLevel, levelText},
};

// The section and the name of each key, in the same order.
constexpr std::array<IniDocument::Key, Keys.size()> FileKeys = [] {
    std::array<IniDocument::Key, Keys.size()> keys{};
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        const bool isOption = std::holds_alternative<OptionKey>(Keys[i]);
        keys[i] = {isOption ? OptionsSection : TallySection,
                   std::visit([](const auto& key) { return key.name; }, Keys[i])};
    }
    return keys;
}();

// A counter as the game writes it: an optional sign and decimal digits, within 32 bits.
std::optional<std::int32_t> counterValue(QStringView text)
{
    const bool hasSign = text.startsWith(u'+') || text.startsWith(u'-');
    const QStringView digits = text.sliced(hasSign ? 1 : 0);
    const auto isDigit = [](QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; };
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isDigit))
        return std::nullopt;
    // from_chars takes a minus sign but not a plus.
    const QByteArray number = (text.startsWith(u'-') ? text : digits).toLatin1();
    std::int32_t value = 0;
    if (std::from_chars(number.begin(), number.end(), value).ec != std::errc{})
        return std::nullopt;
    return value;
}

} // namespace

std::span<const IniDocument::Key> settingKeys()
{
    return FileKeys;
}

Settings readSettings(const IniDocument& file, bool* ok)
{
    Settings settings;
    bool valid = true;
    for (const SettingKey& key : Keys) {
        if (const auto* option = std::get_if<OptionKey>(&key)) {
            const QString text = file.value({OptionsSection, option->name})
                                     .value_or(option->missing.toString())
                                     .left(option->significant);
            option->read(settings, text);
            continue;
        }
        const auto& counter = std::get<CounterKey>(key);
        const QString text =
            file.value({TallySection, counter.name}).value_or(MissingCounter.toString());
        // A bad counter starts from 0 and spoils none of the others.
        if (const auto value = counterValue(text))
            settings.tally.*counter.counter = *value;
        else
            valid = false;
    }
    if (ok)
        *ok = valid;
    return settings;
}

void writeSettings(const Settings& settings, IniDocument& file)
{
    for (const SettingKey& key : Keys) {
        if (const auto* option = std::get_if<OptionKey>(&key)) {
            if (const auto text = option->write(settings))
                file.setValue({OptionsSection, option->name}, *text);
            continue;
        }
        const auto& counter = std::get<CounterKey>(key);
        file.setValue({TallySection, counter.name},
                      QString::number(settings.tally.*counter.counter));
    }
}

game::Tally addedTally(const game::Tally& stored, const game::Tally& counted,
                       const game::Tally& current)
{
    game::Tally sum = stored;
    for (const SettingKey& key : Keys) {
        if (const auto* counter = std::get_if<CounterKey>(&key)) {
            const std::int64_t added = std::int64_t{current.*counter->counter} -
                                       counted.*counter->counter + stored.*counter->counter;
            sum.*counter->counter = static_cast<std::int32_t>(
                std::clamp<std::int64_t>(added, std::numeric_limits<std::int32_t>::min(),
                                         std::numeric_limits<std::int32_t>::max()));
        }
    }
    return sum;
}

} // namespace store
