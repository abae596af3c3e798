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

QString fromCodePage(const QByteArray& bytes)
{
    QStringDecoder decoder(CodePage);
    return decoder(bytes);
}

QByteArray toCodePage(const QString& text)
{
    QStringEncoder encoder(CodePage);
    return encoder(text);
}

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

// Windows-1251 gives every byte a character of its own, so an old file reads and writes back
// byte for byte. A file that a text editor saved as UTF-8 would lose its Cyrillic section
// names that way; one that is valid UTF-8, and not plain ASCII (which reads the same either
// way), is read as UTF-8 instead, its byte-order mark dropped.
QString decodeFile(const QByteArray& contents)
{
    if (!isAscii(contents)) {
        QStringDecoder utf8(QStringConverter::Utf8);
        const QString text = utf8(contents);
        // Read what will be written: a character the code page lacks becomes its substitute
        // now, so that no name matches today and fails to after the next save.
        if (!utf8.hasError())
            return fromCodePage(toCodePage(text));
    }
    return fromCodePage(contents);
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

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniDocument::IniDocument(const QByteArray& contents)
{
    const QString text = decodeFile(contents);
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype lineFeed = text.indexOf(u'\n', start);
        if (lineFeed < 0) {
            lines_.push_back({text.sliced(start), LineEnd::None});
            break;
        }
        const bool crLf = lineFeed > start && text[lineFeed - 1] == u'\r';
        const qsizetype length = lineFeed - start - (crLf ? 1 : 0);
        lines_.push_back({text.sliced(start, length), crLf ? LineEnd::CrLf : LineEnd::Lf});
        start = lineFeed + 1;
    }
    const auto ended = std::find_if(lines_.begin(), lines_.end(),
                                    [](const Line& line) { return line.end != LineEnd::None; });
    if (ended != lines_.end())
        newLineEnd_ = ended->end;
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
    return toCodePage(text);
}

std::optional<QString> IniDocument::value(const Key& key) const
{
    const auto header = findSection(key.section);
    const auto line = header ? findKey(*header, key.name) : std::nullopt;
    if (!line)
        return std::nullopt;
    return unquoted(keyValue(lines_[*line].text)->value).left(MaxValueLength).toString();
}

void IniDocument::setValue(const Key& key, QStringView value)
{
    const QString line = key.name.toString() + u'=' + writtenValue(value);
    const auto header = findSection(key.section);
    if (!header) {
        insertLine(lines_.size(), u'[' + key.section.toString() + u']');
        insertLine(lines_.size(), line);
        return;
    }
    if (const auto found = findKey(*header, key.name)) {
        lines_[*found].text = line;
        return;
    }
    std::size_t after = *header + 1;
    const std::size_t end = sectionEnd(*header);
    for (std::size_t index = after; index < end; ++index)
        if (keyValue(lines_[index].text))
            after = index + 1;
    insertLine(after, line);
}

std::optional<std::size_t> IniDocument::findSection(QStringView section) const
{
    for (std::size_t index = 0; index < lines_.size(); ++index) {
        const auto name = sectionName(lines_[index].text);
        if (name && sameName(*name, section))
            return index;
    }
    return std::nullopt;
}

std::size_t IniDocument::sectionEnd(std::size_t header) const
{
    std::size_t index = header + 1;
    while (index < lines_.size() && !sectionName(lines_[index].text))
        ++index;
    return index;
}

std::optional<std::size_t> IniDocument::findKey(std::size_t header, QStringView key) const
{
    const std::size_t end = sectionEnd(header);
    for (std::size_t index = header + 1; index < end; ++index) {
        const auto found = keyValue(lines_[index].text);
        if (found && sameName(found->key, key))
            return index;
    }
    return std::nullopt;
}

void IniDocument::insertLine(std::size_t index, const QString& text)
{
    Line line{text, newLineEnd_};
    if (index > 0 && lines_[index - 1].end == LineEnd::None)
        std::swap(line.end, lines_[index - 1].end);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
}

} // namespace store
