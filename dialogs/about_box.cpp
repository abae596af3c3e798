#include "dialogs/about_box.h"

#include "dialogs/fixed_dialog.h"

namespace dialogs
{

AboutBox::AboutBox(QWidget* owner) : QDialog(owner)
{
    makeFixedDialog(*this, QStringLiteral("FrmB"), QStringLiteral("О программе"), {335, 99});
}

} // namespace dialogs
