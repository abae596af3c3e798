#include "dialogs/fixed_dialog.h"

namespace dialogs
{

void makeFixedDialog(QDialog& dialog, const QString& name, const QString& caption, QSize client)
{
    dialog.setObjectName(name);
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    dialog.setFixedSize(client);
    dialog.setModal(true);
}

} // namespace dialogs
