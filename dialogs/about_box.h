#pragma once

#include <QDialog>

namespace dialogs
{

// The about box: the program's name and version.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(QWidget* owner);
};

} // namespace dialogs
