#include "dialogs/back_chooser.h"

#include "dialogs/fixed_dialog.h"

namespace dialogs
{

BackChooser::BackChooser(QWidget* owner) : QDialog(owner)
{
    makeFixedDialog(*this, QStringLiteral("FrmC"), QStringLiteral("Выбор рубашки"), {359, 248});
}

} // namespace dialogs
