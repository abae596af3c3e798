#include "dialogs/statistics_window.h"

#include "dialogs/fixed_dialog.h"

namespace dialogs
{

StatisticsWindow::StatisticsWindow(QWidget* owner) : QDialog(owner)
{
    makeFixedDialog(*this, QStringLiteral("FrmD"), QStringLiteral("Статистика"), {316, 401});
}

} // namespace dialogs
