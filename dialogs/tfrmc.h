#pragma once

#include <QDialog>

namespace dialogs
{

// The card-back chooser: eight designs for the computers' cards.
class TFrmC : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmC(QWidget* owner);
};

} // namespace dialogs
