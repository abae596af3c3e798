// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes at all as "Param.ini": read the settings, write them back, read the file again.
// Nothing may crash, every key the game writes must read back as written, and a file saved
// by the game must come through a second round byte for byte. Built and run by
// scripts/fuzz_settings.sh.
#include "store/ini_document.h"
#include "store/settings.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{

using store::IniDocument;

constexpr QStringView OptionsSection = u"Настройки";
constexpr QStringView TallySection = u"Статистика";
constexpr std::array<IniDocument::Key, 12> Keys{{
    {OptionsSection, u"Sound"},
    {OptionsSection, u"RubL"},
    {OptionsSection, u"RubR"},
    {TallySection, u"Gr"},
    {TallySection, u"Jn"},
    {TallySection, u"Hy"},
    {OptionsSection, u"WindowState"},
    {TallySection, u"Matches"},
    {TallySection, u"VictOfGr"},
    {TallySection, u"VictOfJn"},
    {TallySection, u"VictOfHy"},
    {OptionsSection, u"Level"},
}};

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// Only a file that a UTF-8 editor saved is read otherwise than byte for byte.
bool isUtf8Text(const QByteArray& bytes)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char byte) {
        return static_cast<unsigned char>(byte) < 0x80;
    });
    QStringDecoder utf8(QStringConverter::Utf8);
    utf8.decode(bytes);
    return !ascii && !utf8.hasError();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray contents(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const IniDocument file(contents);
    require(isUtf8Text(contents) || file.toBytes() == contents, "the file changed on reading");

    const store::Settings settings = store::readSettings(file);
    IniDocument saved = file;
    store::writeSettings(settings, saved);
    const QByteArray bytes = saved.toBytes();
    const IniDocument again(bytes);
    require(again.toBytes() == bytes, "a saved file changed on reading");

    for (const IniDocument::Key& key : Keys) {
        const bool leftAsItWas = key.name == u"WindowState" && !settings.windowState;
        require(leftAsItWas || saved.value(key).has_value(), "a key was not written");
        require(again.value(key) == saved.value(key), "a key read back otherwise");
    }
    bool ok = false;
    require(store::readSettings(again, &ok) == settings, "the settings read back otherwise");
    require(ok, "a counter the game wrote reads as bad data");
    return 0;
}
