// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/message_box.h"

#include "program/program_info.h"

#include <QApplication>
#include <QMessageBox>

namespace veltrane {
namespace {

MessageBoxHandler& installedHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon qtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

MsgAnswer showRealBox(const MessageRequest& request)
{
    QString text = request.prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(qtIcon(request.icon), request.title, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.addButton(QMessageBox::Ok);
    if (request.buttons == MsgButtons::OkCancel)
        box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

} // namespace

MsgAnswer MsgBox(const QString& prompt, MsgButtons buttons, MsgIcon icon, const QString& title)
{
    MessageRequest request{prompt, icon, buttons, title.isEmpty() ? programTitle() : title};
    if (installedHandler())
        return installedHandler()(request);
    return showRealBox(request);
}

void setMessageBoxHandler(MessageBoxHandler handler)
{
    installedHandler() = std::move(handler);
}

void exclaim(const QString& prompt)
{
    MsgBox(prompt, MsgButtons::Ok, MsgIcon::Exclamation);
}

} // namespace veltrane
