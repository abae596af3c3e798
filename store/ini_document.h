// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>
#include <vector>

namespace store
{

// A settings file of "[section]" headers and "key=value" lines, kept line by line so that
// whatever the game does not know of (other keys, comments, blank lines, stray text, their
// order and their line ends) is written back as it was read.
//
// The file is written back in the encoding it was read in: a file that a text editor saved as
// UTF-8 (not plain ASCII, which reads the same either way) stays UTF-8, with its byte-order mark
// when it had one; any other file is read and written in the Windows-1251 code page, as the game
// has always kept it, and a new file is Windows-1251 too. Either way every line the game does not
// set comes back byte for byte.
// Section and key names match without regard to case. A value is read with the blanks around
// it and one pair of double quotes around that removed, and cut to its first 2047 characters.
// The first of two sections or keys of the same name is the one read and written.
class IniDocument
{
public:
    // A key by its section and its own name.
    struct Key {
        QStringView section;
        QStringView name;
    };

    // An empty file.
    IniDocument() = default;
    // The file's contents as they are on disk; any bytes at all make a document.
    explicit IniDocument(const QByteArray& contents);

    // The file's contents as they are to be written.
    QByteArray toBytes() const;

    // The value of `key`, or nothing when it or its section is missing.
    std::optional<QString> value(const Key& key) const;
    // Rewrites the line that value() reads as "key=value". A missing key is added after the
    // last key of its section, or right after the section's header when it has none, so that
    // the comments and blank lines leading to the next section stay with it; a missing section
    // is added at the end of the file. `value` is one line of text.
    void setValue(const Key& key, QStringView value);

private:
    enum class LineEnd { None, Lf, CrLf };
    enum class Encoding { Windows1251, Utf8, Utf8WithByteOrderMark };
    struct Line {
        QString text;
        LineEnd end;
    };
    // The first section of a name, as the lines stand: its header's line, the line of its last
    // key (the header's when it has none) and the first line of each of its keys, by the key's
    // name in one case.
    struct Section {
        std::size_t header;
        std::size_t lastKey;
        QHash<QString, std::size_t> keys;
    };

    // Puts line `index` into the index: the header of a section, or a key of the section
    // `current` (a place in `sections_`), which a header sets.
    void indexLine(std::size_t index, std::optional<std::size_t>& current);
    // The place in `sections_` of the section that `section` names, or nothing.
    std::optional<std::size_t> findSection(QStringView section) const;
    // Adds a section whose header is line `header`; returns its place in `sections_`.
    std::size_t addSection(QStringView name, std::size_t header);
    // Inserts a line before line `index`, where a line end is needed to keep the lines apart;
    // a last line that had no line end still has none. Every line number at or after `index`
    // in the index moves down by one.
    void insertLine(std::size_t index, const QString& text);

    std::vector<Line> lines_;
    // Built once as the file is read, so that finding a key does not read the whole file
    // again: the sections in the order of their headers, and their places by name in one case.
    std::vector<Section> sections_;
    QHash<QString, std::size_t> sectionPlaces_;
    Encoding encoding_ = Encoding::Windows1251;
    // For the lines the game adds: the file's own line end, or the Windows one for a file
    // that has none yet.
    LineEnd newLineEnd_ = LineEnd::CrLf;
};

} // namespace store
