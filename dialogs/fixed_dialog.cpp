// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fixed_dialog.h"

#include "chart/sunken_groove.h"

#include <QPainter>
#include <QScreen>

namespace dialogs
{

namespace
{

// The dialogs were laid out for an 8-point sans serif of 11 pixels, narrow enough for their
// longest labels; Liberation Sans has those measures and comes with every desktop we install on.
const QString DialogFontFamily = QStringLiteral("Liberation Sans");
constexpr int DialogFontPixels = 11;

} // namespace

FixedDialog::FixedDialog(const char* objectName, const QString& caption, QSize client,
                         QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    setFixedSize(client);
    setModal(true);
    QFont font(DialogFontFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(DialogFontPixels);
    setFont(font);
}

void FixedDialog::setVisible(bool visible)
{
    // Centred on the screen rather than on the main window; a dialog that was moved keeps the
    // place it is given here.
    if (visible)
        if (const QScreen* screen = this->screen()) {
            const QRect area = screen->geometry();
            move(area.topLeft() + QPoint((area.width() - frameGeometry().width()) / 2,
                                         (area.height() - frameGeometry().height()) / 2));
        }
    QDialog::setVisible(visible);
}

SunkenPanel::SunkenPanel(QWidget* parent) : QFrame(parent) {}

void SunkenPanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    chart::drawSunkenGroove(painter, rect(), palette());
}

QFrame* makeSunkenPanel(const QString& objectName, const QRect& geometry, QWidget* parent)
{
    auto* panel = new SunkenPanel(parent);
    panel->setObjectName(objectName);
    // A sunken box one pixel wide is a lowered line with a raised one inside it; the style
    // keeps the contents clear of both.
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setMidLineWidth(0);
    panel->setGeometry(geometry);
    return panel;
}

} // namespace dialogs
