#include "dialogs/tfrmc.h"

#include "dialogs/fixed_dialog.h"

namespace dialogs
{

TFrmC::TFrmC(QWidget* owner) : QDialog(owner)
{
    MakeFixedDialog(*this, QStringLiteral("FrmC"), QStringLiteral("Выбор рубашки"), {359, 248});
}

} // namespace dialogs
