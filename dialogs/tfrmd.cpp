#include "dialogs/tfrmd.h"

#include "dialogs/fixed_dialog.h"

namespace dialogs
{

TFrmD::TFrmD(QWidget* owner) : QDialog(owner)
{
    MakeFixedDialog(*this, QStringLiteral("FrmD"), QStringLiteral("Статистика"), {316, 401});
}

} // namespace dialogs
