#pragma once

#include <QDialog>

namespace dialogs
{

// A modal dialog of fixed client size with a close box and no minimise or maximise button.
void makeFixedDialog(QDialog& dialog, const QString& name, const QString& caption, QSize client);

} // namespace dialogs
