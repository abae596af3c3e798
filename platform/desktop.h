// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

namespace platform
{

// What the game asks of the desktop at start-up and close: the screen's size, a message box
// with an OK button, and leaving once the event loop runs. Tests put a fake in its place to
// set a screen and answer the boxes.
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual QSize screenSize() const = 0;
    virtual void showInformation(const QString& caption, const QString& text) = 0;
    virtual void showError(const QString& caption, const QString& text) = 0;
    // Asks the program to end as soon as its event loop starts.
    virtual void quitWhenIdle() = 0;
};

// The real desktop: the primary screen and modal message boxes.
class ScreenDesktop final : public Desktop
{
public:
    QSize screenSize() const override;
    void showInformation(const QString& caption, const QString& text) override;
    void showError(const QString& caption, const QString& text) override;
    void quitWhenIdle() override;
};

// Qt's own texts, such as the help's right-click menu, in Russian like the rest of the game,
// from the translations Qt ships; where they are missing those texts stay English.
void installRussianQtTexts();

} // namespace platform
