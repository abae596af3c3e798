#pragma once

#include <QDialog>

namespace dialogs
{

// The card-back chooser: eight designs for the computers' cards.
class BackChooser : public QDialog
{
    Q_OBJECT
public:
    explicit BackChooser(QWidget* owner);
};

} // namespace dialogs
