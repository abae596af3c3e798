#pragma once

#include "platform/desktop.h"

#include <QStringList>

// A desktop of a chosen size whose message boxes are only written down.
struct FakeDesktop : platform::Desktop {
    QSize screen{1024, 768};
    QStringList boxes; // "caption: text", in the order shown
    bool quitAsked = false;

    QSize screenSize() const override { return screen; }
    void showInformation(const QString& caption, const QString& text) override
    {
        boxes << caption + QStringLiteral(": ") + text;
    }
    void showError(const QString& caption, const QString& text) override
    {
        boxes << caption + QStringLiteral(": ") + text;
    }
    void quitWhenIdle() override { quitAsked = true; }
};
