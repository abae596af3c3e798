// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/first_exposure.h"

#include <QEvent>
#include <QTimer>

namespace platform
{

namespace
{

// Watches the window's events for its first exposure, then goes away.
class FirstExposureWatch final : public QObject
{
public:
    FirstExposureWatch(QObject* window, std::function<void()> work)
        : QObject(window), work_(std::move(work))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose) {
            // The window draws itself while it handles this event, after the filters: a
            // zero-time timer runs the work once that picture is out.
            QTimer::singleShot(0, watched, std::move(work_));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> work_;
};

} // namespace

void runAfterFirstExposure(QObject* window, std::function<void()> work)
{
    new FirstExposureWatch(window, std::move(work));
}

} // namespace platform
