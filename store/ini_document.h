// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace store
{

// A settings file of "[section]" headers and "key=value" lines, kept line by line so that
// whatever the game does not know of (other keys, comments, blank lines, stray text, their
// order and their line ends) is written back as it was read.
//
// The file is read and written in the Windows-1251 code page, as the game has always kept it;
// a file that a text editor saved as UTF-8 is read as UTF-8 and written back in Windows-1251.
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
    struct Line {
        QString text;
        LineEnd end;
    };

    // The header line of `section`, or nothing.
    std::optional<std::size_t> findSection(QStringView section) const;
    // One past the last line of the section whose header is at `header`.
    std::size_t sectionEnd(std::size_t header) const;
    // The line of `key` in the section whose header is at `header`, or nothing.
    std::optional<std::size_t> findKey(std::size_t header, QStringView key) const;
    // Inserts a line before line `index`, where a line end is needed to keep the lines apart;
    // a last line that had no line end still has none.
    void insertLine(std::size_t index, const QString& text);

    std::vector<Line> lines_;
    // For the lines the game adds: the file's own line end, or the Windows one for a file
    // that has none yet.
    LineEnd newLineEnd_ = LineEnd::CrLf;
};

} // namespace store
