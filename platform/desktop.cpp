// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>

namespace platform
{

QSize ScreenDesktop::screenSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

void ScreenDesktop::showInformation(const QString& caption, const QString& text)
{
    QMessageBox::information(nullptr, caption, text);
}

void ScreenDesktop::showError(const QString& caption, const QString& text)
{
    QMessageBox::critical(nullptr, caption, text);
}

void ScreenDesktop::writeToLog(const QString& text)
{
    std::fprintf(stderr, "tavlen: %s\n", qUtf8Printable(text));
}

void ScreenDesktop::quitWhenIdle()
{
    quitRequested_ = true;
}

} // namespace platform
