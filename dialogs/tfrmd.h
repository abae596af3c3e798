#pragma once

#include <QDialog>

namespace dialogs
{

// The statistics window: games, first places and the points pie.
class TFrmD : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmD(QWidget* owner);
};

} // namespace dialogs
