#pragma once

#include <QDialog>

namespace dialogs
{

// The statistics window: games, first places and the points pie.
class StatisticsWindow : public QDialog
{
    Q_OBJECT
public:
    explicit StatisticsWindow(QWidget* owner);
};

} // namespace dialogs
