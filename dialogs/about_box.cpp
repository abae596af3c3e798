// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/about_box.h"

#include "assets/pictures.h"
#include "dialogs/picture_label.h"

#include <QLabel>
#include <QPushButton>

namespace dialogs
{

namespace
{

constexpr QSize ClientSize{335, 99};
constexpr QRect IconGeometry{16, 16, assets::IconSize, assets::IconSize};
constexpr QPoint NamePosition{64, 16};
constexpr QRect CreditGeometry{64, 32, 255, 13};
constexpr QRect OkGeometry{130, 64, 75, 25};
constexpr int LabelHeight = 13;

} // namespace

AboutBox::AboutBox(QWidget* owner)
    : FixedDialog("FrmB", QStringLiteral("О программе"), ClientSize, owner)
{
    auto* icon = new PictureLabel(QStringLiteral("MAINICON"), this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setGeometry(IconGeometry);
    icon->setAccessibleName(QStringLiteral("Значок игры"));

    auto* name =
        new QLabel(QStringLiteral("Тавлен++ " TAVLEN_VERSION " — карточная игра для Linux"), this);
    name->setObjectName(QStringLiteral("Label1"));
    name->move(NamePosition);
    name->resize(name->sizeHint().width(), LabelHeight);

    auto* credit = new QLabel(QStringLiteral("Сайт игры: " TAVLEN_HOMEPAGE), this);
    credit->setObjectName(QStringLiteral("Label2"));
    credit->setGeometry(CreditGeometry);
    credit->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(OkGeometry);
    ok->setFocus();
    ok->setAccessibleDescription(QStringLiteral("Закрыть окно"));
    // A screen reader reads a dialog's description as it opens: here, all the box says.
    setAccessibleDescription(name->text() + QStringLiteral(". ") + credit->text());
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace dialogs
