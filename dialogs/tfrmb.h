#pragma once

#include <QDialog>

namespace dialogs
{

// The about box: the program's name and version.
class TFrmB : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmB(QWidget* owner);
};

} // namespace dialogs
