// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/help_viewer.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace window
{

namespace
{
constexpr QSize ViewerSize(560, 480);
}

const QString HelpViewer::FileName = QStringLiteral("help.html");

HelpViewer::HelpViewer(QWidget* owner) : QWidget(owner, Qt::Window), browser_(new QTextBrowser)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Справка — Тавлен++"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(ViewerSize);
}

void HelpViewer::showFile(const QString& path)
{
    if (path.isEmpty())
        browser_->setHtml(QStringLiteral("<p>Файл справки «%1» не найден.</p>").arg(FileName));
    else
        browser_->setSource(QUrl::fromLocalFile(path));
    browser_->scrollToAnchor(QStringLiteral("topic1"));
    show();
    raise();
    activateWindow();
}

} // namespace window
