// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

namespace platform
{

// What the game asks of the desktop at start-up and close: the screen's size, a message box
// with an OK button, the log for what nobody is there to read in a box, and leaving before the
// game is shown. Tests put a fake in its place to set a screen and answer the boxes.
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual QSize screenSize() const = 0;
    virtual void showInformation(const QString& caption, const QString& text) = 0;
    virtual void showError(const QString& caption, const QString& text) = 0;
    // One line for the log, as when the game is closing for a signal and no one may be there.
    virtual void writeToLog(const QString& text) = 0;
    // Asks the program to end once start-up is over, before its window is shown.
    virtual void quitWhenIdle() = 0;
};

// The real desktop: the primary screen, modal message boxes and the standard error stream.
class ScreenDesktop final : public Desktop
{
public:
    QSize screenSize() const override;
    void showInformation(const QString& caption, const QString& text) override;
    void showError(const QString& caption, const QString& text) override;
    void writeToLog(const QString& text) override;
    // Remembered rather than queued: a queued quit would be taken by whatever message box is
    // open first and lost before the program's own event loop starts.
    void quitWhenIdle() override;
    bool quitRequested() const { return quitRequested_; }

private:
    bool quitRequested_ = false;
};

} // namespace platform
