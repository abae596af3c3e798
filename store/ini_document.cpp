// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ini_document.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace store
{

namespace
{

constexpr const char* CodePage = "windows-1251";
// The game always read a value into a buffer of 2048 characters, its terminating zero included.
constexpr qsizetype MaxValueLength = 2047;
constexpr char16_t Quote = u'"';

struct KeyValue {
    QStringView key;
    QStringView value;
};

constexpr QByteArrayView Utf8ByteOrderMark = "\xEF\xBB\xBF";

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

// The text of valid UTF-8, or nothing. A byte-order mark at its start is taken as a character,
// so that it is written back.
std::optional<QString> fromUtf8(QByteArrayView bytes)
{
    // Stateless, so that a character cut short at the end is an error rather than dropped.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                       QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<QStringView> sectionName(QStringView line)
{
    const QStringView text = line.trimmed();
    const qsizetype close = text.indexOf(u']');
    if (!text.startsWith(u'[') || close < 0)
        return std::nullopt;
    return text.sliced(1, close - 1).trimmed();
}

// A line of a key, an equals sign and a value; comments start with a semicolon.
std::optional<KeyValue> keyValue(QStringView line)
{
    const QStringView text = line.trimmed();
    const qsizetype equals = text.indexOf(u'=');
    if (text.startsWith(u';') || text.startsWith(u'[') || equals <= 0)
        return std::nullopt;
    return KeyValue{text.first(equals).trimmed(), text.sliced(equals + 1).trimmed()};
}

QStringView unquoted(QStringView value)
{
    if (value.size() >= 2 && value.startsWith(Quote) && value.endsWith(Quote))
        return value.sliced(1, value.size() - 2);
    return value;
}

// A value with blanks at its ends, or in quotes of its own, would read back otherwise as it
// is; in one more pair of quotes, which reading takes off, it reads back the same.
QString writtenValue(QStringView value)
{
    if (value.trimmed().size() == value.size() && unquoted(value).size() == value.size())
        return value.toString();
    return Quote + value.toString() + Quote;
}

// Section and key names match without regard to case.
QString caseless(QStringView name)
{
    return name.toString().toCaseFolded();
}

} // namespace

IniDocument::IniDocument(const QByteArray& contents)
{
    // Windows-1251 gives every byte a character of its own, so any file reads and writes back
    // byte for byte that way; only a text editor's UTF-8 would lose its Cyrillic names.
    QString text;
    const QByteArrayView bytes(contents);
    std::optional<QString> utf8;
    if (bytes.startsWith(Utf8ByteOrderMark) &&
        (utf8 = fromUtf8(bytes.sliced(Utf8ByteOrderMark.size())))) {
        encoding_ = Encoding::Utf8WithByteOrderMark;
        text = *utf8;
    } else if (!isAscii(bytes) && (utf8 = fromUtf8(bytes))) {
        encoding_ = Encoding::Utf8;
        text = *utf8;
    } else {
        text = QStringDecoder(CodePage)(contents);
    }
    std::optional<std::size_t> current;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype lineFeed = text.indexOf(u'\n', start);
        const bool last = lineFeed < 0;
        const bool crLf = !last && lineFeed > start && text[lineFeed - 1] == u'\r';
        const qsizetype end = last ? text.size() : lineFeed - (crLf ? 1 : 0);
        Line line{text.sliced(start, end - start),
                  last ? LineEnd::None : (crLf ? LineEnd::CrLf : LineEnd::Lf)};
        if (lines_.empty() && line.end != LineEnd::None)
            newLineEnd_ = line.end;
        lines_.push_back(std::move(line));
        indexLine(lines_.size() - 1, current);
        start = last ? text.size() : lineFeed + 1;
    }
}

QByteArray IniDocument::toBytes() const
{
    QString text;
    for (const Line& line : lines_) {
        text += line.text;
        if (line.end == LineEnd::CrLf)
            text += u'\r';
        if (line.end != LineEnd::None)
            text += u'\n';
    }
    switch (encoding_) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Utf8WithByteOrderMark:
        return Utf8ByteOrderMark.toByteArray() + text.toUtf8();
    case Encoding::Windows1251:
        break;
    }
    return QStringEncoder(CodePage)(text);
}

std::optional<QString> IniDocument::value(const Key& key) const
{
    const auto section = findSection(key.section);
    if (!section)
        return std::nullopt;
    const QHash<QString, std::size_t>& keys = sections_[*section].keys;
    const auto line = keys.constFind(caseless(key.name));
    if (line == keys.cend())
        return std::nullopt;
    return unquoted(keyValue(lines_[*line].text)->value).left(MaxValueLength).toString();
}

void IniDocument::setValue(const Key& key, QStringView value)
{
    const QString line = key.name.toString() + u'=' + writtenValue(value);
    auto place = findSection(key.section);
    if (!place) {
        const std::size_t header = lines_.size();
        insertLine(header, u'[' + key.section.toString() + u']');
        place = addSection(key.section, header);
    }
    Section& section = sections_[*place];
    const QString name = caseless(key.name);
    if (const auto found = section.keys.constFind(name); found != section.keys.cend()) {
        lines_[*found].text = line;
        return;
    }
    // After the section's last key, so that the comments and blank lines leading to the next
    // section stay with it.
    const std::size_t after = section.lastKey + 1;
    insertLine(after, line);
    section.keys.insert(name, after);
    section.lastKey = after;
}

void IniDocument::indexLine(std::size_t index, std::optional<std::size_t>& current)
{
    const QString& text = lines_[index].text;
    if (const auto name = sectionName(text)) {
        // Only the first section of a name is read and written.
        current = findSection(*name) ? std::nullopt : std::optional(addSection(*name, index));
    } else if (const auto found = keyValue(text); found && current) {
        Section& section = sections_[*current];
        // The first of two keys of a name is the one read and written.
        const QString name = caseless(found->key);
        if (!section.keys.contains(name))
            section.keys.insert(name, index);
        section.lastKey = index;
    }
}

std::optional<std::size_t> IniDocument::findSection(QStringView section) const
{
    const auto found = sectionPlaces_.constFind(caseless(section));
    if (found == sectionPlaces_.cend())
        return std::nullopt;
    return *found;
}

std::size_t IniDocument::addSection(QStringView name, std::size_t header)
{
    sections_.push_back({header, header, {}});
    sectionPlaces_.insert(caseless(name), sections_.size() - 1);
    return sections_.size() - 1;
}

void IniDocument::insertLine(std::size_t index, const QString& text)
{
    Line line{text, newLineEnd_};
    if (index > 0 && lines_[index - 1].end == LineEnd::None)
        std::swap(line.end, lines_[index - 1].end);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
    const auto moveDown = [index](std::size_t& line) {
        if (line >= index)
            ++line;
    };
    for (Section& section : sections_) {
        moveDown(section.header);
        moveDown(section.lastKey);
        for (std::size_t& line : section.keys)
            moveDown(line);
    }
}

} // namespace store
