// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTextBrowser;

namespace window
{

// A small window that shows the game's help, owned by the main window.
class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    static const QString FileName;

    explicit HelpViewer(QWidget* owner);

    // Shows the help file at its first topic; an empty path says the file is missing.
    void showFile(const QString& path);

private:
    QTextBrowser* browser_;
};

} // namespace window
