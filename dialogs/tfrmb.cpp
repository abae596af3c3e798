#include "dialogs/tfrmb.h"

#include "dialogs/fixed_dialog.h"

namespace dialogs
{

TFrmB::TFrmB(QWidget* owner) : QDialog(owner)
{
    MakeFixedDialog(*this, QStringLiteral("FrmB"), QStringLiteral("О программе"), {335, 99});
}

} // namespace dialogs
