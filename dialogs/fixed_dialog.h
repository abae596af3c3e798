// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QFrame>

namespace dialogs
{

// A modal dialog of fixed client size, with a close box and no minimise or maximise button,
// in the game's dialog font, centred on the screen each time it is shown.
class FixedDialog : public QDialog
{
    Q_OBJECT
public:
    FixedDialog(const char* objectName, const QString& caption, QSize client, QWidget* owner);

    void setVisible(bool visible) override;
};

// A panel sunk into the dialog with a raised rim just inside it, drawn in whole logical pixels
// so that its edges stay hard on a dense screen.
class SunkenPanel : public QFrame
{
    Q_OBJECT
public:
    explicit SunkenPanel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A sunken panel at `geometry`.
QFrame* makeSunkenPanel(const QString& objectName, const QRect& geometry, QWidget* parent);

} // namespace dialogs
